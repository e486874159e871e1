#pragma once
// The real file system through the standard library, shared by the viewer
// and the headless tools. Core paths are Windows-1250; the native names are
// UTF-8. A name that does not exist as written is looked up again without
// regard to letter case, component by component.

#include <map>

#include "platform/file_system.h"

namespace velmora::platform {

class NativeFileSystem : public FileSystem {
 public:
  // tempPath overrides the system's temporary-files path when not empty.
  explicit NativeFileSystem(std::string tempPath = {});
  ~NativeFileSystem() override;
  NativeFileSystem(const NativeFileSystem&) = delete;
  NativeFileSystem& operator=(const NativeFileSystem&) = delete;

  bool FileExists(const std::string& path) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool DeleteFile(const std::string& path) override;
  bool ClearAttributes(const std::string& path) override;
  std::vector<DirEntry> List(const std::string& pattern) override;
  bool CreateDirectories(const std::string& path) override;
  bool RemoveDirectory(const std::string& path) override;
  std::string TempPath() override;
  std::string CurrentDirectory() override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  bool ReadsFromAnyThread() const override { return true; }
  // Lowers the calling thread's priority: its nice value to kBackgroundNice.
  void ReadingInBackground() override;
  static constexpr int kBackgroundNice = 10;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  std::string ResolvePath(const std::string& path) override;
  std::optional<std::string> RealPath(const std::string& path) override;
  bool IsOwnDirectory(const std::string& path) override;
  bool LockShared(const std::string& lockFile) override;
  bool TryLockExclusive(const std::string& lockFile) override;
  void Unlock(const std::string& lockFile) override;

 private:
  std::string tempPath_;
  std::string fresh_;                 // a directory made for this run, removed at the end
  std::map<std::string, int> locks_;  // lock file -> open descriptor
};

// Wildcard match of '*' and '?', ignoring letter case.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace velmora::platform
