#include <filesystem>
#include <system_error>

#include "files/working_directory.h"

namespace corvane {

std::optional<std::string> CurrentDirectory() {
  std::error_code error;
  const std::filesystem::path directory = std::filesystem::current_path(error);
  if (error) return std::nullopt;
  return directory.string();
}

}  // namespace corvane
