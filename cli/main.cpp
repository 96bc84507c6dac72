// corvane-cli [SCRIPT]: the calculator dialog driven by a script, without a
// window. The script comes from SCRIPT, or from standard input for "-" or none.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/script_runner.h"
#include "cli/standard_streams.h"

int main(int argc, char** argv) {
  corvane::UseBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
  std::string script;
  const std::string path = argc > 1 ? argv[1] : "-";
  if (path == "-") {
    script.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      std::cerr << "corvane-cli: cannot read " << path << ": it is a directory\n";
      return 2;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    if (file) contents << file.rdbuf();
    if (!file || file.bad()) {
      std::cerr << "corvane-cli: cannot read " << path << '\n';
      return 2;
    }
    script = contents.str();
  }
  const int status = corvane::RunScript(script, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
