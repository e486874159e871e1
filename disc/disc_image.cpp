#include "disc/disc_image.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <map>
#include <memory>
#include <new>

#include "disc/free_space.h"

namespace velmora::disc {
namespace {

namespace fs = std::filesystem;

struct ArchiveCloser {
  void operator()(archive* reader) const { archive_read_free(reader); }
};
using Reader = std::unique_ptr<archive, ArchiveCloser>;

// A name of the image as a path inside it, or nullopt when it would lead
// outside it. Joliet and Rock Ridge names come as UTF-8; plain ISO 9660
// names are ASCII, their ";1" version already cut off by the reader.
std::optional<fs::path> ContainedPath(const char* name) {
  if (!name || !*name) return std::nullopt;
  const std::string text(name);
  fs::path path(std::u8string(text.begin(), text.end()));
  if (path.is_absolute() || path.has_root_name()) return std::nullopt;
  fs::path clean;
  for (const fs::path& part : path) {
    if (part == "..") return std::nullopt;
    if (part.empty() || part == ".") continue;
    clean /= part;
  }
  if (clean.empty()) return std::nullopt;
  return clean;
}

std::optional<fs::path> EntryPath(archive_entry* entry) {
  const char* name = archive_entry_pathname_utf8(entry);
  return ContainedPath(name ? name : archive_entry_pathname(entry));
}

std::optional<fs::path> HardLinkPath(archive_entry* entry) {
  const char* link = archive_entry_hardlink_utf8(entry);
  if (!link) link = archive_entry_hardlink(entry);
  if (!link) return std::nullopt;
  return ContainedPath(link);
}

// Memory refused to the reader is reported as such, not as a damaged image.
std::string ReaderError(archive* reader, const fs::path& image) {
  if (archive_errno(reader) == ENOMEM) throw std::bad_alloc();
  const char* message = archive_error_string(reader);
  return "cannot read the disc image " + image.string() + ": " +
         (message ? message : "not an ISO 9660 image");
}

Reader OpenImage(const fs::path& image, std::string& error) {
  Reader reader(archive_read_new());
  if (!reader) {
    error = "cannot read the disc image " + image.string() + ": out of memory";
    return nullptr;
  }
  archive_read_support_format_iso9660(reader.get());
  if (archive_read_open_filename(reader.get(), image.c_str(), 64 * 1024) != ARCHIVE_OK) {
    error = ReaderError(reader.get(), image);
    return nullptr;
  }
  return reader;
}

// The bytes of one regular entry written to target at the offsets the reader
// gives, none past `declared`; then the file is made exactly that long.
// The file is made with `mode`, less the umask.
std::optional<std::string> WriteEntry(archive* reader, const fs::path& image,
                                      const fs::path& target, std::uint64_t declared, mode_t mode) {
  // A name the image gives twice is written again, as a new file.
  ::unlink(target.c_str());
  const int out =
      ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (out < 0) return "cannot write " + target.string() + ": " + WriteFailure(errno);
  std::optional<std::string> error;
  const void* block = nullptr;
  size_t size = 0;
  la_int64_t offset = 0;
  int read = ARCHIVE_EOF;
  while (!error && (read = archive_read_data_block(reader, &block, &size, &offset)) == ARCHIVE_OK) {
    if (offset < 0 || static_cast<std::uint64_t>(offset) + size > declared) {
      error = "the disc image " + image.string() + " holds more for " + target.filename().string() +
              " than the " + std::to_string(declared) + " bytes it declares";
      break;
    }
    const char* data = static_cast<const char*>(block);
    for (std::size_t done = 0; done < size;) {
      const ssize_t written = ::pwrite(out, data + done, size - done, offset + done);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        error =
            "cannot write " + target.string() + ": " + WriteFailure(written < 0 ? errno : ENOSPC);
        break;
      }
      done += static_cast<std::size_t>(written);
    }
  }
  if (!error && read != ARCHIVE_EOF) error = ReaderError(reader, image);
  // zisofs leaves out blocks of zeros, the last ones too: they are made here.
  struct stat st {};
  if (!error && ::fstat(out, &st) == 0 && static_cast<std::uint64_t>(st.st_size) < declared &&
      ::ftruncate(out, static_cast<off_t>(declared)) != 0) {
    error = "cannot write " + target.string() + ": " + WriteFailure(errno);
  }
  if (!error && (::fstat(out, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != declared)) {
    error = "the copy of " + target.string() + " is not the " + std::to_string(declared) +
            " bytes the disc image declares";
  }
  if (::close(out) != 0 && !error) {
    error = "cannot write " + target.string() + ": " + WriteFailure(errno);
  }
  return error;
}

// Calls visit for each entry that has a usable path, in the image's order;
// the first error it gives ends the walk.
using EntryVisit =
    std::function<std::optional<std::string>(archive*, archive_entry*, const fs::path& relative)>;
std::optional<std::string> ForEachEntry(const fs::path& image, const EntryVisit& visit) {
  std::string error;
  const Reader reader = OpenImage(image, error);
  if (!reader) return error;
  archive_entry* entry = nullptr;
  int status;
  while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK ||
         status == ARCHIVE_WARN) {
    const std::optional<fs::path> relative = EntryPath(entry);
    if (!relative) continue;
    if (std::optional<std::string> failed = visit(reader.get(), entry, *relative)) return failed;
  }
  if (status != ARCHIVE_EOF) return ReaderError(reader.get(), image);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> MeasureDiscImage(const fs::path& image, ImageContents& contents) {
  std::map<fs::path, std::uint64_t> sizes;
  return ForEachEntry(
      image,
      [&](archive*, archive_entry* entry, const fs::path& relative) -> std::optional<std::string> {
        std::uint64_t size = 0;
        if (const std::optional<fs::path> from = HardLinkPath(entry)) {
          const auto found = sizes.find(*from);
          if (found == sizes.end()) return std::nullopt;
          size = found->second;
        } else if (archive_entry_filetype(entry) == AE_IFREG) {
          size = static_cast<std::uint64_t>(std::max<la_int64_t>(archive_entry_size(entry), 0));
        } else {
          return std::nullopt;
        }
        sizes[relative] = size;
        contents.bytes += size;
        ++contents.files;
        return std::nullopt;
      });
}

std::optional<std::string> ExtractDiscImage(
    const fs::path& image, const fs::path& into, const ImageContents& measured,
    const std::function<void(std::uint64_t bytes)>& written) {
  std::map<fs::path, std::uint64_t> sizes;
  std::uint64_t budget = measured.bytes;
  return ForEachEntry(
      image,
      [&](archive* reader, archive_entry* entry,
          const fs::path& relative) -> std::optional<std::string> {
        std::error_code ec;
        const fs::path target = into / relative;
        const mode_t type = archive_entry_filetype(entry);
        if (type == AE_IFDIR) {
          fs::create_directories(target, ec);
          return std::nullopt;
        }
        fs::create_directories(target.parent_path(), ec);
        if (const std::optional<fs::path> from = HardLinkPath(entry)) {
          // The same data under a second name: a copy of the first.
          const auto found = sizes.find(*from);
          if (found == sizes.end()) return std::nullopt;
          if (found->second > budget) {
            return "the disc image " + image.string() + " holds more than it declared at first";
          }
          budget -= found->second;
          if (!fs::copy_file(into / *from, target, fs::copy_options::overwrite_existing, ec) ||
              fs::file_size(target, ec) != found->second) {
            return "cannot write " + target.string() + ": " + WriteFailure(ec ? ec.value() : EIO);
          }
          sizes[relative] = found->second;
          if (written) written(found->second);
          return std::nullopt;
        }
        if (type != AE_IFREG) return std::nullopt;
        const la_int64_t declared = archive_entry_size(entry);
        if (!archive_entry_size_is_set(entry) || declared < 0) {
          return "the disc image " + image.string() + " declares no size for " + relative.string();
        }
        if (static_cast<std::uint64_t>(declared) > budget) {
          return "the disc image " + image.string() + " holds more than it declared at first";
        }
        budget -= static_cast<std::uint64_t>(declared);
        // Rock Ridge keeps the programs' execute bits; the copy stays the owner's.
        const mode_t mode = 0644 | (archive_entry_perm(entry) & 0111);
        if (auto failed =
                WriteEntry(reader, image, target, static_cast<std::uint64_t>(declared), mode)) {
          return failed;
        }
        sizes[relative] = static_cast<std::uint64_t>(declared);
        if (written) written(static_cast<std::uint64_t>(declared));
        return std::nullopt;
      });
}

}  // namespace velmora::disc
