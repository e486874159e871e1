#include "platform/program_command.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace velmora::platform {

bool IsWindowsProgram(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

std::optional<std::string> FindOnPath(const std::string& name) {
#ifdef _WIN32
  (void)name;
  return std::nullopt;
#else
  const char* path = std::getenv("PATH");
  if (!path || name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  const std::string directories(path);
  std::size_t start = 0;
  while (start <= directories.size()) {
    std::size_t end = directories.find(':', start);
    if (end == std::string::npos) end = directories.size();
    // An empty entry is the current directory; a disc's own "wine" there is
    // not taken for the system's.
    if (end > start) {
      const std::string candidate = directories.substr(start, end - start) + "/" + name;
      std::error_code ec;
      if (std::filesystem::is_regular_file(candidate, ec) &&
          ::access(candidate.c_str(), X_OK) == 0) {
        return candidate;
      }
    }
    start = end + 1;
  }
  return std::nullopt;
#endif
}

std::optional<ProgramCommand> CommandFor(const std::string& nativePath) {
#ifndef _WIN32
  if (IsWindowsProgram(nativePath)) {
    std::optional<std::string> wine = FindOnPath("wine");
    if (!wine) return std::nullopt;
    return ProgramCommand{*wine, {nativePath}};
  }
#endif
  return ProgramCommand{nativePath, {}};
}

}  // namespace velmora::platform
