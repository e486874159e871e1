#pragma once
// The record an installation leaves in its directory: which disc it came
// from and every file and directory it created, so that uninstalling removes
// exactly those. Also the settings text the viewer reads.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::cli::install {

inline constexpr const char* kManifestName = ".velmora-install";

struct Manifest {
  std::filesystem::path disc;
  std::filesystem::path settings;
  bool targetCreated = false;
  // Created by the installation: directories and files relative to the
  // installed directory, and directories above it or above the settings
  // file (absolute).
  std::vector<std::string> directories;
  std::vector<std::string> files;
  std::vector<std::filesystem::path> parents;
};

std::string WriteManifestText(const Manifest& manifest);
// nullopt when the text is not a manifest of ours.
std::optional<Manifest> ParseManifest(const std::string& text);

// The settings file: "[General]", cdPath and instPath, each ending in '/'.
std::string SettingsText(const std::filesystem::path& disc, const std::filesystem::path& installed);

// A relative path that stays inside its directory ("a/b", not "../a" or "/a").
bool IsContainedRelative(const std::string& relative);

}  // namespace velmora::cli::install
