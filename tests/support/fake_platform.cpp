#include "fake_platform.h"

namespace velmora::fakes {

platform::Browser& FakeBrowsers::Get(const std::string& control) {
  std::unique_ptr<FakeBrowser>& browser = browsers_[control];
  if (!browser) browser = std::make_unique<FakeBrowser>();
  return *browser;
}

bool FakeFileSystem::CopyFile(const std::string& from, const std::string& to) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = files.find(from);
  if (found == files.end()) return false;
  files[to] = found->second;
  return true;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
  if (onRead) onRead(path);
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = files.find(path);
  if (found == files.end()) return std::nullopt;
  return found->second;
}

}  // namespace velmora::fakes
