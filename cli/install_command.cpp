#include "cli/install_command.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "cli/install_args.h"
#include "cli/install_copies.h"
#include "cli/install_image.h"
#include "cli/install_manifest.h"
#include "cli/install_paths.h"
#include "cli/install_removal.h"
#include "cli/install_space.h"
#include "cli/install_swap.h"
#include "cli/install_tree.h"
#include "cli/private_temp_dir.h"
#include "cli/progress.h"
#include "platform/codepage.h"

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
using install::RemoveInstalled;
using install::RemoveParentsOf;
using install::RemoveSettingsIfOurs;

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
  // Outside the installed directory only the settings this run would write
  // and the directories made on the way to them or to the installation.
  Manifest outside = *manifest;
  if (Normal(outside.settings) != paths.settings) outside.settings.clear();
  const std::size_t removed = RemoveInstalled(*tree, *manifest);
  const bool settingsRemoved = RemoveSettingsIfOurs(outside, paths.target);
  tree->RemoveFile(install::kManifestName);
  if (manifest->targetCreated && fs::is_empty(paths.target, ec)) fs::remove(paths.target, ec);
  RemoveParentsOf(outside, paths.target);
  out << "Removed " << removed << " files from " << paths.target.string() << "\n";
  if (removed < manifest->files.size()) {
    out << "Left alone: " << manifest->files.size() - removed
        << " listed files that were missing or no longer plain files\n";
  }
  if (fs::exists(fs::symlink_status(paths.target, ec)) && !fs::is_empty(paths.target, ec) &&
      manifest->targetCreated) {
    out << "Kept " << paths.target.string() << ": it holds files the installation did not make\n";
  }
  if (settingsRemoved) out << "Removed the settings " << manifest->settings.string() << "\n";
  return 0;
}

// Copies into a directory made beside the target and puts it in the
// target's place only when complete; the earlier copy, ours alone, is then
// removed by its record. False, with nothing changed, when a step fails.
bool InstallBeside(const Paths& paths, const Manifest& manifest, const std::optional<Manifest>& old,
                   const std::vector<PlannedCopy>& copies, std::ostream& err,
                   ProgressLine& progress) {
  std::error_code ec;
  const std::vector<fs::path> madeParents = MissingDirectories(paths.target.parent_path());
  fs::create_directories(paths.target.parent_path(), ec);
  std::string error;
  const std::optional<fs::path> staging = install::MakeStagingDirectory(paths.target, error);
  bool done = false;
  if (!staging) {
    err << "velmora-cli install: " << error << "\n";
  } else if (const std::unique_ptr<InstallTree> tree = OpenTarget(*staging, err);
             tree && CopyInto(*tree, manifest, copies, err, progress)) {
    std::optional<fs::path> earlier;
    done = install::PutInPlace(*staging, paths.target, earlier, error);
    if (!done) err << "velmora-cli install: " << error << "\n";
    if (earlier) {
      const std::unique_ptr<InstallTree> earlierTree = InstallTree::Open(*earlier, error);
      if (earlierTree && old) {
        RemoveInstalled(*earlierTree, *old);
        earlierTree->RemoveFile(install::kManifestName);
      }
      if (!fs::remove(*earlier, ec)) {
        err << "velmora-cli install: note: the earlier copy is left in " << earlier->string()
            << ": it holds files the installation did not make\n";
      }
    }
  }
  // Made by this run alone and private until put in place.
  if (staging && !done) fs::remove_all(*staging, ec);
  if (!done) install::RemoveEmptyParents(madeParents, {paths.target});
  return done;
}

// Copies into the target itself, which holds other files too (--force).
bool InstallInPlace(const Paths& paths, InstallTree* existing, const Manifest& manifest,
                    const std::optional<Manifest>& old, const std::vector<PlannedCopy>& copies,
                    std::ostream& err, ProgressLine& progress) {
  std::error_code ec;
  std::unique_ptr<InstallTree> made;
  if (!existing) {
    fs::create_directories(paths.target, ec);
    made = ec ? nullptr : OpenTarget(paths.target, err);
    if (!made) return false;
    if (manifest.targetCreated) made->MakePrivateToWrite();
    existing = made.get();
  }
  if (old) RemoveInstalled(*existing, *old);
  if (CopyInto(*existing, manifest, copies, err, progress)) return true;
  // What this run made goes again; the other files stay.
  RemoveInstalled(*existing, manifest);
  existing->RemoveFile(install::kManifestName);
  return false;
}

// The directory the files come from: the disc itself, or an image's
// contents unpacked into `unpacked` (written by a child process, uncounted
// by the progress line). Nullopt, with the reason said, when unpacking fails.
std::optional<fs::path> UnpackIfImage(const fs::path& disc, const Paths& paths,
                                      std::optional<PrivateTempDir>& unpacked, std::ostream& err,
                                      ProgressLine& progress) {
  std::error_code ec;
  if (!fs::is_regular_file(disc, ec)) return disc;
  unpacked.emplace();
  if (unpacked->path().empty()) {
    err << "velmora-cli install: cannot make a temporary directory\n";
    return std::nullopt;
  }
  progress.Show("unpacking " + disc.filename().string() + " ...");
  const std::optional<std::string> error =
      install::UnpackDiscImage(disc, unpacked->path(), paths.target);
  progress.Clear();
  if (error) {
    err << "velmora-cli install: " << *error << "\n";
    return std::nullopt;
  }
  return unpacked->path();
}

bool HasStartProgram(const fs::path& disc) {
  const std::optional<fs::path> anim = FindDirectory(disc, "anim");
  if (!anim) return false;
  std::error_code ec;
  for (fs::directory_iterator it(*anim, ec), end; !ec && it != end; it.increment(ec)) {
    if (platform::LowerAscii(it->path().filename().string()) == "start.exe") return true;
  }
  return false;
}

// A disc of ours, with no link out of it, apart from the installation.
bool CheckDisc(const fs::path& disc, const fs::path& shown, const std::string& given,
               const Paths& paths, std::ostream& err) {
  std::error_code ec;
  if (!fs::is_directory(disc, ec)) {
    err << "velmora-cli install: no such directory: " << given << "\n";
    return false;
  }
  if (!HasStartProgram(disc)) {
    err << "velmora-cli install: " << shown.string()
        << " is not a Velmora disc: it has no Anim/start.exe\n";
    return false;
  }
  if (const std::optional<fs::path> linked = LinkedTopDirectory(disc)) {
    err << "velmora-cli install: " << linked->string()
        << " is a link; a disc's own directories must not lead elsewhere\n";
    return false;
  }
  if (IsWithin(paths.target, disc) || IsWithin(disc, paths.target)) {
    err << "velmora-cli install: the installation directory and the disc overlap\n";
    return false;
  }
  return true;
}

// The record of this installation before its files are planned: what it
// will have made outside its files, kept from the earlier one when there is.
Manifest NewManifest(const fs::path& source, const Paths& paths,
                     const std::optional<Manifest>& old) {
  Manifest manifest;
  manifest.disc = source;
  manifest.settings = paths.settings;
  if (old) {
    manifest.targetCreated = old->targetCreated;
    manifest.parents = old->parents;
  } else {
    for (const fs::path& dir : MissingDirectories(paths.target)) {
      if (dir == paths.target) {
        manifest.targetCreated = true;
      } else {
        manifest.parents.push_back(dir);
      }
    }
  }
  for (const fs::path& dir : MissingDirectories(paths.settings.parent_path())) {
    manifest.parents.push_back(dir);
  }
  return manifest;
}

int Install(const InstallArgs& args, const Paths& paths, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  const fs::path shown = Normal(*args.disc);
  ProgressLine progress(ProgressStream(err, args.quiet), "install", "files");
  // A disc image is unpacked first and installed whole; the copy is then the
  // disc too, so the settings name it for both.
  std::optional<PrivateTempDir> unpacked;
  const std::optional<fs::path> disc = UnpackIfImage(shown, paths, unpacked, err, progress);
  if (!disc) return 1;
  const bool image = unpacked.has_value();
  const fs::path source = image ? paths.target : *disc;
  if (!CheckDisc(*disc, shown, *args.disc, paths, err)) return 1;

  // What is there already: our own installation, someone else's, or nothing.
  std::unique_ptr<InstallTree> tree;
  const bool targetExists = fs::exists(fs::symlink_status(paths.target, ec));
  if (targetExists) {
    tree = OpenTarget(paths.target, err);
    if (!tree) return 1;
  }
  const std::optional<std::string> oldText =
      tree ? tree->ReadFile(install::kManifestName) : std::nullopt;
  const std::optional<Manifest> old = oldText ? install::ParseManifest(*oldText) : std::nullopt;
  const bool targetUsed = targetExists && !fs::is_empty(paths.target, ec);
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
  // A copy of our own alone (or none) is replaced whole and only when the
  // new one is complete; one sharing its directory with other files is
  // copied over in place.
  const bool beside = !targetExists || (old && install::HoldsOnlyListed(paths.target, *old));

  Manifest manifest = NewManifest(source, paths, old);
  std::vector<PlannedCopy> copies;
  const std::optional<fs::path> existing =
      beside ? std::nullopt : std::optional<fs::path>(paths.target);
  if (!PlanCopies(*disc, existing, manifest, copies, err, image)) return 1;
  if (const std::optional<std::string> full =
          install::ShortOfSpace(paths.target, install::TotalBytes(copies))) {
    err << "velmora-cli install: " << *full << "; nothing was written\n";
    return 1;
  }

  if (beside ? !InstallBeside(paths, manifest, old, copies, err, progress)
             : !InstallInPlace(paths, tree.get(), manifest, old, copies, err, progress)) {
    return 1;
  }
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
