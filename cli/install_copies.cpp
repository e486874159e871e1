#include "cli/install_copies.h"

#include <algorithm>
#include <cerrno>
#include <iomanip>

#include "cli/install_space.h"

namespace velmora::cli::install {
namespace fs = std::filesystem;
namespace {

// The installation part of a disc; the rest (Anim/, Map/) is read from it.
// Without its tables or pages no viewer starts; a disc may lack the others.
struct Part {
  const char* name;
  bool required;
};
constexpr Part kParts[] = {{"foto", false}, {"makiety", false}, {"db", true}, {"data", true}};

std::string LowerAscii(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
  return name;
}

// The files and directories at the top of a directory (no links).
std::vector<fs::path> TopLevelEntries(const fs::path& dir) {
  std::vector<fs::path> entries;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    const fs::file_status status = it->symlink_status(typeError);
    if (fs::is_directory(status) || fs::is_regular_file(status)) entries.push_back(it->path());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace

// The entry of dir named name without regard to letter case, if a directory
// of its own (not a link).
std::optional<fs::path> FindDirectory(const fs::path& dir, const std::string& lowerName) {
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (LowerAscii(it->path().filename().string()) == lowerName && it->is_directory(typeError) &&
        !it->is_symlink(typeError)) {
      return it->path();
    }
  }
  return std::nullopt;
}

// The disc's directories the viewer reads, when one of them is a link: it
// could lead anywhere, a home directory included.
std::optional<fs::path> LinkedTopDirectory(const fs::path& disc) {
  std::error_code ec;
  for (fs::directory_iterator it(disc, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = LowerAscii(it->path().filename().string());
    std::error_code typeError;
    const bool known = name == "anim" || name == "map" || name == "foto" || name == "makiety" ||
                       name == "db" || name == "data";
    if (known && it->is_symlink(typeError)) return it->path();
  }
  return std::nullopt;
}

// What copying the four parts (or, for a disc image, the whole disc) creates:
// directories and files that do not exist yet (relative to the target), and
// every copy to make.
bool PlanCopies(const fs::path& disc, const std::optional<fs::path>& existing, Manifest& manifest,
                std::vector<PlannedCopy>& copies, std::ostream& err, bool wholeDisc) {
  std::error_code ec;
  std::vector<fs::path> sources;
  for (const Part& part : kParts) {
    const std::optional<fs::path> source = FindDirectory(disc, part.name);
    if (!source) {
      if (!part.required) continue;
      err << "velmora-cli install: " << disc.string() << " is not a Velmora disc: it has no "
          << part.name << " directory\n";
      return false;
    }
    sources.push_back(*source);
  }
  // A disc image is copied whole: the animation and map directories too.
  if (wholeDisc) sources = TopLevelEntries(disc);
  for (const fs::path& source : sources) {
    bool badName = false;
    const auto note = [&](const fs::path& from, bool directory) {
      const fs::path relative = from.lexically_relative(disc);
      const bool exists = existing && fs::exists(fs::symlink_status(*existing / relative, ec));
      const std::u8string u8 = relative.generic_u8string();
      const std::string text(u8.begin(), u8.end());
      if (text == kManifestName) {
        // The record of what was installed is the installation's own.
        err << "velmora-cli install: note: the disc's own " << kManifestName
            << " is not installed; that name is the installation's record\n";
        return;
      }
      if (install::HasControlCharacter(text)) {
        // A name the manifest cannot hold, and no name a disc has.
        if (!badName) {
          err << "velmora-cli install: a name on the disc holds a control character: "
              << std::quoted(text) << "\n";
        }
        badName = true;
        return;
      }
      if (directory) {
        if (!exists) manifest.directories.push_back(text);
      } else {
        if (!exists) manifest.files.push_back(text);
        copies.push_back({from, text});
      }
    };
    if (fs::is_regular_file(fs::symlink_status(source, ec))) {
      note(source, false);
      if (badName) return false;
      continue;
    }
    note(source, true);
    for (fs::recursive_directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code typeError;
      const fs::file_status status = it->symlink_status(typeError);
      if (fs::is_directory(status)) note(it->path(), true);
      if (fs::is_regular_file(status)) note(it->path(), false);
    }
    if (ec) {
      err << "velmora-cli install: cannot read " << source.string() << "\n";
      return false;
    }
    if (badName) return false;
  }
  return true;
}

std::uint64_t TotalBytes(const std::vector<PlannedCopy>& copies) {
  std::uint64_t total = 0;
  std::error_code ec;
  for (const PlannedCopy& copy : copies) {
    const std::uintmax_t size = fs::file_size(copy.from, ec);
    if (!ec) total += size;
  }
  return total;
}

// Writes the manifest first, so that even a broken-off copy can be undone,
// then makes the directories and copies the files, all inside the tree,
// counting the files and bytes copied on progress.
bool CopyInto(InstallTree& tree, const Manifest& manifest, const std::vector<PlannedCopy>& copies,
              std::ostream& err, ProgressLine& progress) {
  if (!tree.WriteFile(install::kManifestName, install::WriteManifestText(manifest))) {
    err << "velmora-cli install: cannot write the installation's record"
        << (IsFull(errno) ? ": " + WriteFailure(errno) : std::string()) << "\n";
    return false;
  }
  for (const std::string& dir : manifest.directories) {
    if (!tree.MakeDirectories(dir)) {
      err << "velmora-cli install: cannot make the directory " << dir << ": "
          << (IsFull(errno) ? WriteFailure(errno) : "a part of it is a link or a file") << "\n";
      return false;
    }
  }
  ProgressCounts counts{0, copies.size(), 0, TotalBytes(copies)};
  for (const PlannedCopy& copy : copies) {
    std::string error;
    if (!tree.CopyFileIn(copy.from, copy.to, error)) {
      progress.Clear();
      err << "velmora-cli install: cannot copy " << copy.from.string() << ": " << error << "\n";
      return false;
    }
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(copy.from, ec);
    ++counts.done;
    if (!ec) counts.bytes += size;
    progress.Update(counts);
  }
  progress.Clear();
  return true;
}

}  // namespace velmora::cli::install
