#include "platform/program_command.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace velmora::platform {

namespace {

bool IsExecutableFile(const std::string& path) {
#ifdef _WIN32
  (void)path;
  return false;
#else
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
#endif
}

}  // namespace

bool IsWindowsProgram(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

std::optional<std::string> FindInDirectories(const std::string& name,
                                             const std::vector<std::string>& directories) {
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
    return std::nullopt;
  }
  for (const std::string& directory : directories) {
    // Relative to the current directory, which may be the disc's.
    if (directory.empty() || directory.front() != '/') continue;
    const std::string candidate = directory + (directory.back() == '/' ? "" : "/") + name;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return std::nullopt;
}

std::optional<std::string> FindWine() {
  if (const char* chosen = std::getenv(kWineVariable)) {
    const std::string path(chosen);
    if (path.empty() || path.front() != '/' || !IsExecutableFile(path)) return std::nullopt;
    return path;
  }
  return FindInDirectories("wine",
                           {kSystemProgramDirectories.begin(), kSystemProgramDirectories.end()});
}

std::optional<ProgramCommand> CommandFor(const std::string& nativePath) {
#ifndef _WIN32
  if (IsWindowsProgram(nativePath)) {
    std::optional<std::string> wine = FindWine();
    if (!wine) return std::nullopt;
    return ProgramCommand{*wine, {nativePath}};
  }
#endif
  return ProgramCommand{nativePath, {}};
}

}  // namespace velmora::platform
