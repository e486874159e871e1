#include "cli/install_command.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <optional>

#include "cli/disc_image.h"
#include "cli/install_manifest.h"
#include "cli/install_tree.h"
#include "cli/private_temp_dir.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;
using install::InstallTree;
using install::Manifest;

constexpr const char* kUsage =
    "usage: velmora-cli install --disc DIR|IMAGE.iso [--to DIR] [--force]\n"
    "       velmora-cli install --uninstall [--to DIR]\n";
// The installation part of a disc; the rest (Anim/, Map/) is read from it.
// Without its tables or pages no viewer starts; a disc may lack the others.
struct Part {
  const char* name;
  bool required;
};
constexpr Part kParts[] = {{"foto", false}, {"makiety", false}, {"db", true}, {"data", true}};

struct InstallArgs {
  std::optional<std::string> disc;
  std::optional<std::string> to;
  bool force = false;
  bool uninstall = false;
};

bool ParseArgs(const std::vector<std::string>& args, InstallArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--force") {
      parsed.force = true;
    } else if (arg == "--uninstall") {
      parsed.uninstall = true;
    } else if (arg == "--disc" || arg == "--to") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << "velmora-cli install: " << arg << " needs a value\n" << kUsage;
        return false;
      }
      if (install::HasControlCharacter(args[i + 1])) {
        // Written into the manifest and the settings, one value a line.
        err << "velmora-cli install: " << arg << " holds a control character\n";
        return false;
      }
      (arg == "--disc" ? parsed.disc : parsed.to) = args[++i];
    } else {
      err << "velmora-cli install: unexpected argument: " << arg << "\n" << kUsage;
      return false;
    }
  }
  if (parsed.uninstall ? (parsed.disc || parsed.force) : !parsed.disc) {
    err << kUsage;
    return false;
  }
  return true;
}

// An XDG base directory: the variable when it holds an absolute path, else
// the home directory's default.
std::optional<fs::path> BaseDirectory(const char* variable, const char* homeDefault) {
  const char* value = std::getenv(variable);
  if (value && *value && fs::path(value).is_absolute()) return fs::path(value);
  const char* home = std::getenv("HOME");
  if (!home || !*home || !fs::path(home).is_absolute()) return std::nullopt;
  return fs::path(home) / homeDefault;
}

fs::path Normal(const fs::path& path) {
  std::error_code ec;
  fs::path normal = fs::weakly_canonical(fs::absolute(path), ec);
  if (ec) normal = fs::absolute(path).lexically_normal();
  if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) {
    normal = normal.parent_path();
  }
  return normal;
}

std::optional<std::string> ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

std::string LowerAscii(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
  return name;
}

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

bool IsWithin(const fs::path& path, const fs::path& dir) {
  const auto [d, p] = std::mismatch(dir.begin(), dir.end(), path.begin(), path.end());
  return d == dir.end();
}

// Directories from path upwards that do not exist yet, outermost last.
std::vector<fs::path> MissingDirectories(fs::path path) {
  std::vector<fs::path> missing;
  std::error_code ec;
  while (!path.empty() && !fs::exists(fs::symlink_status(path, ec))) {
    missing.push_back(path);
    if (path == path.parent_path()) break;
    path = path.parent_path();
  }
  return missing;
}

struct Paths {
  fs::path target;
  fs::path settings;
};

std::optional<Paths> LocatePaths(const InstallArgs& args, std::ostream& err) {
  const std::optional<fs::path> data = BaseDirectory("XDG_DATA_HOME", ".local/share");
  const std::optional<fs::path> config = BaseDirectory("XDG_CONFIG_HOME", ".config");
  if (!config || (!args.to && !data)) {
    err << "velmora-cli install: HOME is not set to an absolute path\n";
    return std::nullopt;
  }
  Paths paths;
  paths.target = Normal(args.to ? fs::path(*args.to) : *data / "velmora" / "disc");
  paths.settings = Normal(*config / "Kestrava" / "VNQE.conf");
  if (install::HasControlCharacter(paths.target.string()) ||
      install::HasControlCharacter(paths.settings.string())) {
    err << "velmora-cli install: the installation or settings path holds a control character\n";
    return std::nullopt;
  }
  return paths;
}

// Removes what the manifest lists inside the installed directory, never
// through a link and never a directory that is not empty.
void RemoveInstalled(InstallTree& tree, const Manifest& manifest) {
  for (const std::string& file : manifest.files) tree.RemoveFile(file);
  std::vector<std::string> dirs = manifest.directories;
  std::sort(dirs.begin(), dirs.end(), [](const std::string& a, const std::string& b) {
    return std::count(a.begin(), a.end(), '/') > std::count(b.begin(), b.end(), '/');
  });
  for (const std::string& dir : dirs) tree.RemoveEmptyDirectory(dir);
}

// The installed directory, refused when it is a link, belongs to another
// user or others may write to it.
std::unique_ptr<InstallTree> OpenTarget(const fs::path& target, std::ostream& err) {
  std::string error;
  std::unique_ptr<InstallTree> tree = InstallTree::Open(target, error);
  if (tree) error = tree->Refusal();
  if (error.empty()) return tree;
  err << "velmora-cli install: " << target.string() << " " << error << "; refused\n";
  return nullptr;
}

void RemoveEmptyParents(std::vector<fs::path> parents, const std::vector<fs::path>& allowedUnder) {
  std::sort(parents.begin(), parents.end(), [](const fs::path& a, const fs::path& b) {
    return std::distance(a.begin(), a.end()) > std::distance(b.begin(), b.end());
  });
  std::error_code ec;
  for (const fs::path& parent : parents) {
    // Only the directories above what was installed can be ours.
    const bool above = std::any_of(allowedUnder.begin(), allowedUnder.end(),
                                   [&](const fs::path& p) { return IsWithin(p, parent); });
    if (!above || parent == parent.root_path()) continue;
    if (fs::is_directory(fs::symlink_status(parent, ec)) && fs::is_empty(parent, ec)) {
      fs::remove(parent, ec);
    }
  }
}

bool RemoveSettingsIfOurs(const Manifest& manifest, const fs::path& target) {
  const std::optional<std::string> current = ReadText(manifest.settings);
  if (!current || *current != install::SettingsText(manifest.disc, target)) return false;
  std::error_code ec;
  return fs::remove(manifest.settings, ec);
}

int Uninstall(const Paths& paths, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(paths.target, ec))) {
    err << "velmora-cli install: no installation made by velmora-cli in " << paths.target.string()
        << "\n";
    return 1;
  }
  const std::unique_ptr<InstallTree> tree = OpenTarget(paths.target, err);
  if (!tree) return 1;
  const std::optional<std::string> text = tree->ReadFile(install::kManifestName);
  const std::optional<Manifest> manifest = text ? install::ParseManifest(*text) : std::nullopt;
  if (!manifest) {
    err << "velmora-cli install: no installation made by velmora-cli in " << paths.target.string()
        << "\n";
    return 1;
  }
  RemoveInstalled(*tree, *manifest);
  const bool settingsRemoved = RemoveSettingsIfOurs(*manifest, paths.target);
  tree->RemoveFile(install::kManifestName);
  if (manifest->targetCreated && fs::is_empty(paths.target, ec)) fs::remove(paths.target, ec);
  RemoveEmptyParents(manifest->parents, {paths.target, manifest->settings});
  out << "Removed " << manifest->files.size() << " files from " << paths.target.string() << "\n";
  if (settingsRemoved) out << "Removed the settings " << manifest->settings.string() << "\n";
  return 0;
}

struct PlannedCopy {
  fs::path from;
  std::string to;  // relative to the installed directory
};

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

// What copying the four parts (or, for a disc image, the whole disc) creates:
// directories and files that do not exist yet (relative to the target), and
// every copy to make.
bool PlanCopies(const fs::path& disc, const fs::path& target, Manifest& manifest,
                std::vector<PlannedCopy>& copies, std::ostream& err, bool wholeDisc = false) {
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
      const fs::path to = target / relative;
      const bool exists = fs::exists(fs::symlink_status(to, ec));
      const std::u8string u8 = relative.generic_u8string();
      const std::string text(u8.begin(), u8.end());
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

// Writes the manifest first, so that even a broken-off copy can be undone,
// then makes the directories and copies the files, all inside the tree.
bool CopyInto(InstallTree& tree, const Manifest& manifest, const std::vector<PlannedCopy>& copies,
              std::ostream& err) {
  if (!tree.WriteFile(install::kManifestName, install::WriteManifestText(manifest))) {
    err << "velmora-cli install: cannot write the installation's record\n";
    return false;
  }
  for (const std::string& dir : manifest.directories) {
    if (!tree.MakeDirectories(dir)) {
      err << "velmora-cli install: cannot make the directory " << dir
          << ": a part of it is a link or a file\n";
      return false;
    }
  }
  for (const PlannedCopy& copy : copies) {
    std::string error;
    if (!tree.CopyFileIn(copy.from, copy.to, error)) {
      err << "velmora-cli install: cannot copy " << copy.from.string() << ": " << error << "\n";
      return false;
    }
  }
  return true;
}

int Install(const InstallArgs& args, const Paths& paths, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  fs::path disc = Normal(*args.disc);
  const fs::path shown = disc;
  // A disc image is unpacked first and installed whole; the copy is then the
  // disc too, so the settings name it for both.
  const bool image = fs::is_regular_file(disc, ec);
  std::optional<PrivateTempDir> unpacked;
  if (image) {
    unpacked.emplace();
    if (unpacked->path().empty()) {
      err << "velmora-cli install: cannot make a temporary directory\n";
      return 1;
    }
    if (const std::optional<std::string> error = ExtractDiscImage(disc, unpacked->path())) {
      err << "velmora-cli install: " << *error << "\n";
      return 1;
    }
    disc = unpacked->path();
  }
  const fs::path source = image ? paths.target : disc;
  if (!fs::is_directory(disc, ec)) {
    err << "velmora-cli install: no such directory: " << *args.disc << "\n";
    return 1;
  }
  const std::optional<fs::path> anim = FindDirectory(disc, "anim");
  bool hasStart = false;
  if (anim) {
    for (fs::directory_iterator it(*anim, ec), end; !ec && it != end; it.increment(ec)) {
      std::string name = it->path().filename().string();
      std::transform(name.begin(), name.end(), name.begin(), ::tolower);
      hasStart |= name == "start.exe";
    }
  }
  if (!hasStart) {
    err << "velmora-cli install: " << shown.string()
        << " is not a Velmora disc: it has no Anim/start.exe\n";
    return 1;
  }
  if (const std::optional<fs::path> linked = LinkedTopDirectory(disc)) {
    err << "velmora-cli install: " << linked->string()
        << " is a link; a disc's own directories must not lead elsewhere\n";
    return 1;
  }
  if (IsWithin(paths.target, disc) || IsWithin(disc, paths.target)) {
    err << "velmora-cli install: the installation directory and the disc overlap\n";
    return 1;
  }

  // What is there already: our own installation, someone else's, or nothing.
  std::unique_ptr<InstallTree> tree;
  if (fs::exists(fs::symlink_status(paths.target, ec))) {
    tree = OpenTarget(paths.target, err);
    if (!tree) return 1;
  }
  const std::optional<std::string> oldText =
      tree ? tree->ReadFile(install::kManifestName) : std::nullopt;
  const std::optional<Manifest> old = oldText ? install::ParseManifest(*oldText) : std::nullopt;
  const bool targetUsed = fs::exists(paths.target, ec) && !fs::is_empty(paths.target, ec);
  if (!args.force && targetUsed && (!old || Normal(old->disc) != source)) {
    err << "velmora-cli install: " << paths.target.string() << " holds "
        << (old ? "an installation of " + old->disc.string() : std::string("other files"))
        << "; use --force to install over it\n";
    return 1;
  }
  const std::string settingsText = install::SettingsText(source, paths.target);
  const std::optional<std::string> currentSettings = ReadText(paths.settings);
  const bool settingsOurs =
      !currentSettings || *currentSettings == settingsText ||
      (old && *currentSettings == install::SettingsText(old->disc, paths.target));
  if (!args.force && !settingsOurs) {
    err << "velmora-cli install: the settings " << paths.settings.string()
        << " name another installation; use --force to replace them\n";
    return 1;
  }

  // An earlier installation here is replaced as a whole.
  if (old) RemoveInstalled(*tree, *old);
  Manifest manifest;
  manifest.disc = source;
  manifest.settings = paths.settings;
  for (const fs::path& dir : MissingDirectories(paths.target)) {
    if (dir == paths.target) {
      manifest.targetCreated = true;
    } else {
      manifest.parents.push_back(dir);
    }
  }
  if (old) {
    manifest.targetCreated = old->targetCreated;
    manifest.parents = old->parents;
  }
  for (const fs::path& dir : MissingDirectories(paths.settings.parent_path())) {
    manifest.parents.push_back(dir);
  }
  std::vector<PlannedCopy> copies;
  if (!PlanCopies(disc, paths.target, manifest, copies, err, image)) return 1;

  if (!tree) {
    fs::create_directories(paths.target, ec);
    tree = ec ? nullptr : OpenTarget(paths.target, err);
    if (!tree) return 1;
    if (manifest.targetCreated) tree->MakePrivateToWrite();
  }
  if (!CopyInto(*tree, manifest, copies, err)) return 1;
  fs::create_directories(paths.settings.parent_path(), ec);
  if (!WriteText(paths.settings, settingsText)) {
    err << "velmora-cli install: cannot write the settings " << paths.settings.string() << "\n";
    return 1;
  }
  out << "Installed " << copies.size() << " files from " << shown.string() << " to "
      << paths.target.string() << "\n"
      << "Settings written to " << paths.settings.string() << "\n";
  return 0;
}

}  // namespace

int RunInstallCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  InstallArgs parsed;
  if (!ParseArgs(args, parsed, err)) return 2;
  const std::optional<Paths> paths = LocatePaths(parsed, err);
  if (!paths) return 1;
  return parsed.uninstall ? Uninstall(*paths, out, err) : Install(parsed, *paths, out, err);
}

}  // namespace velmora::cli
