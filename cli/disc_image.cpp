#include "cli/disc_image.h"

#include <archive.h>
#include <archive_entry.h>

#include <fstream>
#include <memory>

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

struct ArchiveCloser {
  void operator()(archive* reader) const { archive_read_free(reader); }
};

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

std::string ReaderError(archive* reader, const fs::path& image) {
  const char* message = archive_error_string(reader);
  return "cannot read the disc image " + image.string() + ": " +
         (message ? message : "not an ISO 9660 image");
}

}  // namespace

std::optional<std::string> ExtractDiscImage(const fs::path& image, const fs::path& into) {
  std::unique_ptr<archive, ArchiveCloser> reader(archive_read_new());
  if (!reader) return "cannot read the disc image " + image.string() + ": out of memory";
  archive_read_support_format_iso9660(reader.get());
  if (archive_read_open_filename(reader.get(), image.c_str(), 64 * 1024) != ARCHIVE_OK) {
    return ReaderError(reader.get(), image);
  }
  std::error_code ec;
  archive_entry* entry = nullptr;
  int status;
  while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK ||
         status == ARCHIVE_WARN) {
    const std::optional<fs::path> relative = EntryPath(entry);
    if (!relative) continue;
    const fs::path target = into / *relative;
    const char* hardlink = archive_entry_hardlink_utf8(entry);
    if (!hardlink) hardlink = archive_entry_hardlink(entry);
    const mode_t type = archive_entry_filetype(entry);
    if (type == AE_IFDIR) {
      fs::create_directories(target, ec);
      continue;
    }
    fs::create_directories(target.parent_path(), ec);
    if (hardlink) {
      // The same data under a second name: a copy of the first.
      if (const std::optional<fs::path> from = ContainedPath(hardlink)) {
        fs::copy_file(into / *from, target, fs::copy_options::overwrite_existing, ec);
      }
      continue;
    }
    if (type != AE_IFREG) continue;
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot write " + target.string();
    const void* block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    int read;
    while ((read = archive_read_data_block(reader.get(), &block, &size, &offset)) == ARCHIVE_OK) {
      if (offset < 0) break;
      out.seekp(static_cast<std::streamoff>(offset));
      out.write(static_cast<const char*>(block), static_cast<std::streamsize>(size));
    }
    if (read != ARCHIVE_EOF) return ReaderError(reader.get(), image);
    out.close();
    if (!out) return "cannot write " + target.string();
    // Rock Ridge keeps the programs' execute bits; the copy stays the owner's.
    const auto perm = static_cast<fs::perms>(archive_entry_perm(entry) & 0755);
    fs::permissions(target, perm | fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::replace, ec);
  }
  if (status != ARCHIVE_EOF) return ReaderError(reader.get(), image);
  return std::nullopt;
}

}  // namespace velmora::cli
