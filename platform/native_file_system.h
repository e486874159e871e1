#pragma once
// The real file system through the standard library, shared by the viewer
// and the headless tools. Core paths are Windows-1250; the native names are
// UTF-8. A name that does not exist as written is looked up again without
// regard to letter case, component by component, in listings of the
// directories read once per run (kept current with this object's own
// writes and deletions).

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "platform/directory_listings.h"
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
  // Mapped read-only where the system allows (a file that shrinks meanwhile
  // reads as zeros past its new end); read onto the heap otherwise, and when
  // the file is empty or not a plain file.
  std::shared_ptr<const FileBytes> MapFile(const std::string& path) override;
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
  void UnlockAndRemove(const std::string& lockFile) override;
  // The roots are taken as they resolve now. A read opens the file first and
  // then asks where the opened file lies, so a link swapped in between
  // gains nothing. Until set, nothing is confined (the tools).
  void SetReadableRoots(const std::vector<std::string>& roots) override;

  // How many directories were listed to find names spelt otherwise.
  int DirectoryListingsRead() const { return listings_.ListingsRead(); }

 private:
  // The existing native path for a core path, each missing component
  // matched without regard to case; components not found are kept as written.
  // `exactMissing`: the caller has just seen the exact path missing.
  std::filesystem::path ResolveNative(const std::string& path, bool exactMissing = false);
  // This object made or removed the entry: the listings follow.
  void Made(const std::filesystem::path& native);
  void Unmade(const std::filesystem::path& native);
  // A descriptor open for reading a plain file at the native path, or -1
  // when there is none or it lies outside the readable roots.
  int OpenReadable(const std::filesystem::path& native);
  // Whether the native path, resolved, lies inside the readable roots
  // (always, while they are not set).
  bool ResolvesInsideRoots(const std::filesystem::path& native);
  // Real native directories ending in '/'; null while reads are not confined.
  std::shared_ptr<const std::vector<std::string>> Roots();

  DirectoryListings listings_;
  std::string tempPath_;
  std::string fresh_;  // a directory made for this run, removed at the end
  struct HeldLock {
    int fd = -1;
    bool exclusive = false;
  };
  std::map<std::string, HeldLock> locks_;  // by lock file
  std::mutex rootsMutex_;                  // reads come from several threads
  std::shared_ptr<const std::vector<std::string>> roots_;
};

// Wildcard match of '*' and '?', ignoring letter case.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace velmora::platform
