#pragma once
// Core paths (Windows-1250) as the native ones (UTF-8) and back, shared by
// the parts of the native file system.

#include <filesystem>
#include <string>

#include "platform/codepage.h"

namespace velmora::platform::native {

inline std::filesystem::path ToNative(const std::string& path) {
  return std::filesystem::u8path(Win1250ToUtf8(path));
}

inline std::string FromNative(const std::filesystem::path& path) {
  const std::u8string u8 = path.generic_u8string();
  return Utf8ToWin1250(std::string(u8.begin(), u8.end()));
}

}  // namespace velmora::platform::native
