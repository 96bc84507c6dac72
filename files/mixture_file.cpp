#include "files/mixture_file.h"

#include <bit>
#include <cstdint>

#include "files/file_access.h"

namespace corvane {
namespace {
constexpr std::size_t kDoubleSize = 8;
static_assert(sizeof(double) == kDoubleSize && sizeof(MixtureBlock) == kMixtureFileSize);
}  // namespace

std::string WithMixtureExtension(std::string path) {
#ifdef _WIN32
  // Either slash ends a folder's name on Windows.
  const std::size_t slash = path.find_last_of("/\\");
#else
  const std::size_t slash = path.rfind('/');
#endif
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (path.find('.', nameStart) == std::string::npos) path += ".dat";
  return path;
}

MixtureFileBytes EncodeMixtureBlock(const MixtureBlock& block) {
  MixtureFileBytes bytes{};
  for (std::size_t i = 0; i < block.size(); ++i) {
    const auto bits = std::bit_cast<std::uint64_t>(block[i]);
    for (std::size_t b = 0; b < kDoubleSize; ++b)
      bytes[i * kDoubleSize + b] = static_cast<unsigned char>(bits >> (8 * b));
  }
  return bytes;
}

void OverlayMixtureBytes(std::span<const unsigned char> bytes, MixtureBlock& block) {
  const std::size_t count = bytes.size() < kMixtureFileSize ? bytes.size() : kMixtureFileSize;
  for (std::size_t n = 0; n < count; ++n) {
    double& value = block[n / kDoubleSize];
    const std::size_t shift = 8 * (n % kDoubleSize);
    auto bits = std::bit_cast<std::uint64_t>(value);
    bits &= ~(std::uint64_t{0xFF} << shift);
    bits |= std::uint64_t{bytes[n]} << shift;
    value = std::bit_cast<double>(bits);
  }
}

bool ReadMixtureFile(const std::string& path, MixtureBlock& block) {
  std::optional<OpenFile> file = OpenFile::OpenForReading(path);
  if (!file) return false;
  MixtureFileBytes bytes{};
  const std::size_t count = file->Read(bytes);
  OverlayMixtureBytes(std::span<const unsigned char>(bytes.data(), count), block);
  return true;
}

}  // namespace corvane
