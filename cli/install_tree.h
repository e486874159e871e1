#pragma once
// The installed directory, opened once by its resolved path. Every path
// below it is walked from there one name at a time, never through a link,
// and files are created only where nothing was (O_NOFOLLOW, O_EXCL): what is
// copied or removed always lies inside it, whatever was planted there.

#include <sys/types.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace velmora::cli::install {

class InstallTree {
 public:
  // The existing directory; nullptr with the reason in error when it cannot
  // be opened as a directory of its own.
  static std::unique_ptr<InstallTree> Open(const std::filesystem::path& directory,
                                           std::string& error);
  ~InstallTree();
  InstallTree(const InstallTree&) = delete;
  InstallTree& operator=(const InstallTree&) = delete;

  // Why files may not be installed here or removed from here, or empty:
  // owned by another user, or writable by group or others.
  std::string Refusal() const;
  // Takes group and other write permission away (a directory just made).
  void MakePrivateToWrite();

  // Creates the missing directories of relative; false when a part of it is
  // not a directory (a link, a file).
  bool MakeDirectories(const std::string& relative);
  // Copies the plain file source, not read through a link, to relative. A
  // file or link already there is replaced, never written through.
  bool CopyFileIn(const std::filesystem::path& source, const std::string& relative,
                  std::string& error);
  bool WriteFile(const std::string& relative, const std::string& bytes);
  std::optional<std::string> ReadFile(const std::string& relative);
  // Only a plain file, and only an empty directory.
  bool RemoveFile(const std::string& relative);
  bool RemoveEmptyDirectory(const std::string& relative);

 private:
  explicit InstallTree(int fd) : fd_(fd) {}
  // The directory holding the last name of relative, reached through real
  // directories only; -1 when a part is missing or not one.
  int OpenParent(const std::string& relative, std::string& leaf) const;
  // Creates leaf in parent with mode (less the umask), replacing a file or
  // link of that name.
  int CreateFresh(int parent, const std::string& leaf, mode_t mode = 0644) const;

  int fd_;
};

// Whether the text holds a control character (below 0x20, or 0x7f).
bool HasControlCharacter(const std::string& text);

}  // namespace velmora::cli::install
