#pragma once
// A small tmpfs at a given folder, for a full-disk test: mounted for this
// test process and its children only (in a mount namespace of its own), and
// only when running as root.

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>

namespace velmora::test {

class SmallFilesystem {
 public:
  SmallFilesystem(std::string where, const std::string& options) : where_(std::move(where)) {
    std::filesystem::create_directories(where_);
    mounted_ = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               ::mount("velmora-test", where_.c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ~SmallFilesystem() {
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
  }
  SmallFilesystem(const SmallFilesystem&) = delete;
  SmallFilesystem& operator=(const SmallFilesystem&) = delete;
  bool mounted() const { return mounted_; }

 private:
  std::string where_;
  bool mounted_ = false;
};

}  // namespace velmora::test
