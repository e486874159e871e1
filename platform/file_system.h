#pragma once
// File access for the core. Paths are 8-bit Windows-1250 text using '/' as
// separator; directory paths end in '/'. Content file names are matched
// without regard to letter case: the disc was made on a file system that
// ignores it.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::platform {

struct DirEntry {
  std::string name;  // without the directory
  bool isDirectory = false;
  bool isRegularFile = false;  // a plain file, not a link or device
};

// A file's bytes as one block that stays where it is for the object's life.
// A platform may leave them in the file (mapped) instead of the heap, so
// that memory the system can take back holds them.
class FileBytes {
 public:
  virtual ~FileBytes() = default;
  virtual std::string_view View() const = 0;
  // A hint that the bytes will not be read for a while: a mapping lets the
  // pages go from the process (they come back from the file when read); the
  // bytes and their address stay the same.
  virtual void Release() const {}
};

// Bytes held on the heap, as a read gives them.
class HeapFileBytes : public FileBytes {
 public:
  explicit HeapFileBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string_view View() const override { return bytes_; }

 private:
  std::string bytes_;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const std::string& path) = 0;
  // Never writes through a link found at `to`.
  virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // Makes the file writable so that it can be deleted.
  virtual bool ClearAttributes(const std::string& path) = 0;
  // Entries of a directory matching a wildcard pattern ("dir/$$*.html").
  virtual std::vector<DirEntry> List(const std::string& pattern) = 0;
  virtual bool CreateDirectories(const std::string& path) = 0;
  virtual bool RemoveDirectory(const std::string& path) = 0;
  // Ends in '/'; empty when the system has none.
  virtual std::string TempPath() = 0;
  // Without a trailing '/'.
  virtual std::string CurrentDirectory() = 0;
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // Whether ReadFile may run on several threads at once (while nothing
  // writes the files being read).
  virtual bool ReadsFromAnyThread() const { return false; }
  // Called on a thread that reads files while the user waits for something
  // else (the start page): the platform may let other work go first.
  virtual void ReadingInBackground() {}
  // The file's bytes held as the platform sees fit; null when it cannot be
  // read. This default reads them onto the heap with ReadFile.
  virtual std::shared_ptr<const FileBytes> MapFile(const std::string& path);
  virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
  // The path of the file that exists under this name regardless of letter
  // case, or the path unchanged when there is none. What the browser is given.
  virtual std::string ResolvePath(const std::string& path) = 0;
  // The path with ".", ".." and links resolved (names matched without regard
  // to case as above); nullopt when it cannot be resolved. This default only
  // folds the names, for file systems without links.
  virtual std::optional<std::string> RealPath(const std::string& path);

  // A real directory, not a link, belonging to the current user. This
  // default can only rule out links and other kinds of entry.
  virtual bool IsOwnDirectory(const std::string& path) {
    std::string name = path;
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    const std::size_t slash = name.find_last_of('/');
    if (slash == std::string::npos || slash + 1 >= name.size()) return false;
    const std::string base = name.substr(slash + 1);
    for (const DirEntry& entry : List(name.substr(0, slash + 1) + base)) {
      if (entry.name == base) return entry.isDirectory;
    }
    return false;
  }

  // Marks something as in use by this process: a shared lock on lockFile
  // (created when missing), held until Unlock or the process ends; an
  // exclusive lock of this process becomes shared again. Waits while
  // another process holds it exclusively. The default, for a single
  // process, always succeeds.
  virtual bool LockShared(const std::string& lockFile) {
    (void)lockFile;
    return true;
  }
  // Makes this process's lock exclusive; false while any other process
  // holds a lock on the file, which then stays untouched.
  virtual bool TryLockExclusive(const std::string& lockFile) {
    (void)lockFile;
    return true;
  }
  virtual void Unlock(const std::string& lockFile) { (void)lockFile; }
  // Unlock, removing the file first while this process holds it exclusively
  // and it is still the plain file it locked: no other process uses it then.
  // A process that opened it meanwhile locks the file made in its place.
  virtual void UnlockAndRemove(const std::string& lockFile) { Unlock(lockFile); }

  // From now on, reads and copies take only files that, with ".." and links
  // resolved, lie inside one of these roots; any other file is
  // treated as missing (FileExists, ReadFile, MapFile, CopyFile's source).
  // Each call replaces the roots before. This default confines
  // nothing: file systems without links have nothing to escape through.
  virtual void SetReadableRoots(const std::vector<std::string>& roots) { (void)roots; }
};

// Whether path, once resolved, is an existing file inside directory once
// resolved: what a name of the disc may reach however it is written.
bool LiesInside(FileSystem& files, const std::string& path, const std::string& directory);

// LiesInside for a file of one of the disc's directories, which must lie in
// the disc itself once resolved: a directory that is a link leading out of
// the disc root holds nothing (one leading elsewhere inside it is kept).
bool LiesInsideDiscDirectory(FileSystem& files, const std::string& path,
                             const std::string& directory, const std::string& root);

}  // namespace velmora::platform
