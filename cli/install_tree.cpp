#include "cli/install_tree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "cli/install_manifest.h"
#include "cli/install_space.h"

namespace velmora::cli::install {
namespace {

constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::vector<std::string> Names(const std::string& relative) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t slash = relative.find('/', start);
    if (slash == std::string::npos) slash = relative.size();
    names.push_back(relative.substr(start, slash - start));
    start = slash + 1;
  }
  return names;
}

// False with errno set when a write fails.
bool WriteAll(int fd, const char* data, std::size_t size) {
  errno = 0;
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

bool HasControlCharacter(const std::string& text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) return true;
  }
  return false;
}

std::unique_ptr<InstallTree> InstallTree::Open(const std::filesystem::path& directory,
                                               std::string& error) {
  const int fd = ::open(directory.c_str(), kDirectoryFlags);
  if (fd < 0) {
    error = errno == ELOOP || errno == ENOTDIR ? "not a directory of its own (a link or a file)"
                                               : "cannot be opened";
    return nullptr;
  }
  return std::unique_ptr<InstallTree>(new InstallTree(fd));
}

InstallTree::~InstallTree() { ::close(fd_); }

std::string InstallTree::Refusal() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return "cannot be examined";
  if (st.st_uid != ::geteuid()) return "belongs to another user";
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "is writable by group or others";
  return {};
}

void InstallTree::MakePrivateToWrite() {
  struct stat st {};
  if (::fstat(fd_, &st) == 0) ::fchmod(fd_, st.st_mode & 0755);
}

int InstallTree::OpenParent(const std::string& relative, std::string& leaf) const {
  if (!IsContainedRelative(relative) || HasControlCharacter(relative)) return -1;
  const std::vector<std::string> names = Names(relative);
  int current = ::dup(fd_);
  for (std::size_t i = 0; current >= 0 && i + 1 < names.size(); ++i) {
    const int next = ::openat(current, names[i].c_str(), kDirectoryFlags);
    ::close(current);
    current = next;
  }
  leaf = names.back();
  return current;
}

bool InstallTree::MakeDirectories(const std::string& relative) {
  if (!IsContainedRelative(relative) || HasControlCharacter(relative)) return false;
  int current = ::dup(fd_);
  for (const std::string& name : Names(relative)) {
    if (current < 0) return false;
    if (::mkdirat(current, name.c_str(), 0755) != 0 && errno != EEXIST) {
      const int failure = errno;
      ::close(current);
      errno = failure;
      return false;
    }
    const int next = ::openat(current, name.c_str(), kDirectoryFlags);
    ::close(current);
    current = next;
  }
  if (current < 0) return false;
  ::close(current);
  return true;
}

int InstallTree::CreateFresh(int parent, const std::string& leaf, mode_t mode) const {
  struct stat st {};
  if (::fstatat(parent, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISDIR(st.st_mode)) return -1;
    if (::unlinkat(parent, leaf.c_str(), 0) != 0) return -1;
  }
  return ::openat(parent, leaf.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

bool InstallTree::CopyFileIn(const std::filesystem::path& source, const std::string& relative,
                             std::string& error) {
  const int in = ::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  if (in < 0 || ::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (in >= 0) ::close(in);
    error = "not a plain file";
    return false;
  }
  std::string leaf;
  const int parent = OpenParent(relative, leaf);
  // The disc's programs stay executable; no other bit of the source counts.
  const int out = parent < 0 ? -1 : CreateFresh(parent, leaf, 0644 | (st.st_mode & 0111));
  int failure = errno;
  if (parent >= 0) ::close(parent);
  if (out < 0) {
    ::close(in);
    error = IsFull(failure)
                ? WriteFailure(failure)
                : "its place in the installation is not a plain file in a directory of its own";
    return false;
  }
  char buffer[65536];
  failure = 0;
  off_t copied = 0;
  for (;;) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) failure = errno;
    if (got <= 0) break;
    if (!WriteAll(out, buffer, static_cast<std::size_t>(got))) {
      failure = errno ? errno : ENOSPC;
      break;
    }
    copied += got;
  }
  ::close(in);
  if (::close(out) != 0 && failure == 0) failure = errno;
  if (failure != 0) {
    error = WriteFailure(failure);
    return false;
  }
  // The copy holds what the file held when opened, no more and no less.
  if (copied != st.st_size) {
    error = "copied " + std::to_string(copied) + " bytes of " + std::to_string(st.st_size);
    return false;
  }
  return true;
}

bool InstallTree::WriteFile(const std::string& relative, const std::string& bytes) {
  std::string leaf;
  const int parent = OpenParent(relative, leaf);
  if (parent < 0) return false;
  const int out = CreateFresh(parent, leaf);
  const int failure = errno;
  ::close(parent);
  errno = failure;
  if (out < 0) return false;
  const bool written = WriteAll(out, bytes.data(), bytes.size());
  return ::close(out) == 0 && written;
}

std::optional<std::string> InstallTree::ReadFile(const std::string& relative) {
  std::string leaf;
  const int parent = OpenParent(relative, leaf);
  if (parent < 0) return std::nullopt;
  const int in = ::openat(parent, leaf.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  ::close(parent);
  struct stat st {};
  if (in < 0 || ::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (in >= 0) ::close(in);
    return std::nullopt;
  }
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(in);
  return text;
}

bool InstallTree::RemoveFile(const std::string& relative) {
  std::string leaf;
  const int parent = OpenParent(relative, leaf);
  if (parent < 0) return false;
  struct stat st {};
  const bool plain =
      ::fstatat(parent, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
  const bool removed = plain && ::unlinkat(parent, leaf.c_str(), 0) == 0;
  ::close(parent);
  return removed;
}

bool InstallTree::RemoveEmptyDirectory(const std::string& relative) {
  std::string leaf;
  const int parent = OpenParent(relative, leaf);
  if (parent < 0) return false;
  struct stat st {};
  const bool directory =
      ::fstatat(parent, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
  // rmdir removes only an empty directory.
  const bool removed = directory && ::unlinkat(parent, leaf.c_str(), AT_REMOVEDIR) == 0;
  ::close(parent);
  return removed;
}

}  // namespace velmora::cli::install
