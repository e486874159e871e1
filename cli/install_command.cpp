#include "cli/install_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "cli/disc_image.h"
#include "cli/install_args.h"
#include "cli/install_copies.h"
#include "cli/install_manifest.h"
#include "cli/install_paths.h"
#include "cli/install_tree.h"
#include "cli/private_temp_dir.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;
using install::CopyInto;
using install::FindDirectory;
using install::InstallArgs;
using install::InstallTree;
using install::IsWithin;
using install::LinkedTopDirectory;
using install::LocatePaths;
using install::Manifest;
using install::MissingDirectories;
using install::Normal;
using install::ParseArgs;
using install::Paths;
using install::PlanCopies;
using install::PlannedCopy;
using install::RemoveEmptyParents;

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
