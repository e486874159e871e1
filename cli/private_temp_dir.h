#pragma once
// A fresh directory only this user can enter, removed again with everything
// in it when the object goes: the temporary-files path of a headless run.

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace velmora::cli {

class PrivateTempDir {
 public:
  PrivateTempDir() {
    std::error_code ec;
    std::string pattern =
        (std::filesystem::temp_directory_path(ec) / "velmora-cli-XXXXXX").string();
    if (!ec && mkdtemp(pattern.data())) path_ = pattern;
  }
  ~PrivateTempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  PrivateTempDir(const PrivateTempDir&) = delete;
  PrivateTempDir& operator=(const PrivateTempDir&) = delete;

  // Empty when no directory could be made.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace velmora::cli
