#pragma once
// The real file system, with every call that changes something recorded.
// Reads, listings and existence tests are not traced: they are many and
// change nothing.

#include "platform/native_file_system.h"
#include "recording/trace.h"

namespace velmora::recording {

class RecordingFileSystem : public platform::FileSystem {
 public:
  RecordingFileSystem(Trace& trace, std::string tempPath)
      : trace_(trace), native_(std::move(tempPath)) {}

  bool FileExists(const std::string& path) override { return native_.FileExists(path); }
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool DeleteFile(const std::string& path) override;
  bool ClearAttributes(const std::string& path) override;
  std::vector<platform::DirEntry> List(const std::string& pattern) override {
    return native_.List(pattern);
  }
  bool CreateDirectories(const std::string& path) override;
  bool RemoveDirectory(const std::string& path) override;
  std::string TempPath() override { return native_.TempPath(); }
  std::string CurrentDirectory() override { return native_.CurrentDirectory(); }
  std::optional<std::string> ReadFile(const std::string& path) override {
    return native_.ReadFile(path);
  }
  std::shared_ptr<const platform::FileBytes> MapFile(const std::string& path) override {
    return native_.MapFile(path);
  }
  bool ReadsFromAnyThread() const override { return native_.ReadsFromAnyThread(); }
  void ReadingInBackground() override { native_.ReadingInBackground(); }
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  std::string ResolvePath(const std::string& path) override { return native_.ResolvePath(path); }
  std::optional<std::string> RealPath(const std::string& path) override {
    return native_.RealPath(path);
  }
  bool IsOwnDirectory(const std::string& path) override { return native_.IsOwnDirectory(path); }
  bool LockShared(const std::string& lockFile) override { return native_.LockShared(lockFile); }
  bool TryLockExclusive(const std::string& lockFile) override {
    return native_.TryLockExclusive(lockFile);
  }
  void Unlock(const std::string& lockFile) override { native_.Unlock(lockFile); }
  void UnlockAndRemove(const std::string& lockFile) override { native_.UnlockAndRemove(lockFile); }
  void SetReadableRoots(const std::vector<std::string>& roots) override {
    native_.SetReadableRoots(roots);
  }

 private:
  Trace& trace_;
  platform::NativeFileSystem native_;
};

}  // namespace velmora::recording
