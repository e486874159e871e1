#include "disc/image_cache.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "disc/disc_place.h"
#include "disc/free_space.h"

namespace velmora::disc {
namespace fs = std::filesystem;
namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t Digest(const char* data, std::size_t size, std::uint64_t hash = kFnvOffset) {
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= static_cast<unsigned char>(data[i]);
    hash *= kFnvPrime;
  }
  return hash;
}

std::string Hex(std::uint64_t value) {
  std::ostringstream text;
  text << std::hex << value;
  return text.str();
}

// Closes the descriptor, and so ends the lock taken on it.
class LockFile {
 public:
  explicit LockFile(const fs::path& path)
      : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)) {
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~LockFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

std::string MarkerText(const fs::path& image, const ImageIdentity& identity) {
  return "image=" + image.string() + "\nsize=" + std::to_string(identity.size) +
         "\nmodified=" + std::to_string(identity.modified) +
         "\ndescriptors=" + Hex(identity.descriptors) + "\n";
}

std::optional<std::string> ReadSmallFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(4096, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

// Written beside, flushed, then renamed: it is whole or it is not there.
bool WriteMarker(const fs::path& path, const std::string& text) {
  const fs::path temporary = path.string() + ".new";
  const int fd =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
                       ::fsync(fd) == 0;
  if (::close(fd) != 0 || !written) return false;
  return ::rename(temporary.c_str(), path.c_str()) == 0;
}

OpenedImage Failed(UnpackFailure::Kind kind, std::string message) {
  OpenedImage opened;
  opened.failure = UnpackFailure{kind, std::move(message)};
  return opened;
}

}  // namespace

std::optional<fs::path> DiscCacheRoot() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache && *cache && fs::path(cache).is_absolute())
    return fs::path(cache) / "velmora" / "discs";
  const char* home = std::getenv("HOME");
  if (!home || !*home || !fs::path(home).is_absolute()) return std::nullopt;
  return fs::path(home) / ".cache" / "velmora" / "discs";
}

std::optional<ImageIdentity> IdentifyImage(const fs::path& image) {
  const int fd = ::open(image.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  ImageIdentity identity;
  bool volume = false;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    identity.size = static_cast<std::uint64_t>(st.st_size);
    identity.modified =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.descriptors = kFnvOffset;
    // The descriptors start at sector 16 and end with the terminator (type
    // 255); a few dozen at most on any real disc.
    constexpr off_t kSector = 2048;
    char sector[kSector];
    for (off_t index = 16; index < 16 + 64; ++index) {
      if (::pread(fd, sector, kSector, index * kSector) != kSector) break;
      if (std::string_view(sector + 1, 5) != "CD001") break;
      identity.descriptors = Digest(sector, kSector, identity.descriptors);
      volume |= sector[0] == 1;
      if (static_cast<unsigned char>(sector[0]) == 255) break;
    }
  }
  ::close(fd);
  if (!volume) return std::nullopt;
  return identity;
}

OpenedImage OpenImageThroughCache(const fs::path& given, const fs::path& cacheRoot,
                                  const std::function<void()>& unpacking,
                                  const UnpackProgress& progress) {
  std::error_code ec;
  const fs::path image = fs::weakly_canonical(fs::absolute(given), ec);
  const std::optional<ImageIdentity> identity = IdentifyImage(image);
  if (!identity) {
    return Failed(UnpackFailure::Kind::kUnreadable,
                  "cannot read the disc image " + image.string() + ": not an ISO 9660 image");
  }
  // One directory per image file, named by its path.
  const fs::path entry = cacheRoot / Hex(Digest(image.c_str(), image.string().size()));
  fs::create_directories(entry, ec);
  fs::permissions(entry, fs::perms::owner_all, fs::perm_options::replace, ec);
  // Opening the lock file inside it also tells that the directory is there.
  const LockFile lock(entry / "lock");
  if (!lock.Held()) {
    return Failed(UnpackFailure::Kind::kWrite, "cannot make the directory " + entry.string());
  }
  const fs::path disc = entry / "disc";
  const fs::path marker = entry / "complete";
  const std::string expected = MarkerText(image, *identity);
  if (ReadSmallFile(marker) == expected && fs::is_directory(fs::symlink_status(disc, ec))) {
    return OpenedImage{disc, true, std::nullopt};
  }

  // Whatever an earlier run left is the program's own, and stale.
  fs::remove(marker, ec);
  fs::remove_all(disc, ec);
  const fs::path partial = entry / "unpacking";
  fs::remove_all(partial, ec);
  if (!fs::create_directory(partial, ec)) {
    return Failed(UnpackFailure::Kind::kWrite, "cannot make the directory " + partial.string());
  }
  if (unpacking) unpacking();
  std::optional<UnpackFailure> failed = UnpackDiscImage(
      image, partial,
      [&](const ImageContents& contents) { return ShortOfSpace(partial, contents.bytes); },
      progress);
  if (!failed && !LooksLikeDisc(partial)) {
    failed = UnpackFailure{UnpackFailure::Kind::kNotDisc,
                           "the disc image " + image.string() + " holds no disc of this program"};
  }
  if (!failed) {
    fs::rename(partial, disc, ec);
    if (ec || !WriteMarker(marker, expected)) {
      failed = UnpackFailure{UnpackFailure::Kind::kWrite,
                             "cannot write to " + entry.string() + ": " + WriteFailure(errno)};
    }
  }
  if (failed) {
    fs::remove(marker, ec);
    fs::remove_all(partial, ec);
    fs::remove_all(disc, ec);
    return OpenedImage{{}, false, std::move(failed)};
  }
  return OpenedImage{disc, false, std::nullopt};
}

}  // namespace velmora::disc
