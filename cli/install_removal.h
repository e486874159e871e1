#pragma once
// Removing what an installation's record lists, and nothing else: inside the
// installed directory through its tree only, above it only the directories
// the installation made on the way to it or to the settings.

#include <cstddef>
#include <filesystem>

#include "cli/install_manifest.h"
#include "cli/install_paths.h"
#include "cli/install_tree.h"

namespace velmora::cli::install {

// Removes the files and then the emptied directories the manifest lists,
// never through a link; returns how many files were removed.
std::size_t RemoveInstalled(InstallTree& tree, const Manifest& manifest);

// The settings file of the record when it is the viewer's
// (".../Kestrava/VNQE.conf") and still says what the installation wrote.
bool RemoveSettingsIfOurs(const Manifest& manifest, const std::filesystem::path& target);

// The record's directories above the installation or its settings, when
// empty: only those on the path to the one or the other.
void RemoveParentsOf(const Manifest& manifest, const std::filesystem::path& target);

}  // namespace velmora::cli::install
