#pragma once
// A re-installation made beside the installed directory, in a private
// directory of the same parent, and put in its place by a rename only when
// complete: a failure on the way leaves the earlier copy as it was.

#include <filesystem>
#include <optional>
#include <string>

#include "cli/install_manifest.h"

namespace velmora::cli::install {

// A fresh directory only this user can enter, beside target
// (".NAME.velmora-XXXXXX"); nullopt with the reason in error.
std::optional<std::filesystem::path> MakeStagingDirectory(const std::filesystem::path& target,
                                                          std::string& error);

// Puts the finished staging directory at target, with target's permissions
// when it exists (else 0755 less the umask). An existing target is
// exchanged with it atomically and then lies at the staging path, returned
// in `earlier`. False with the reason in error when nothing was moved.
bool PutInPlace(const std::filesystem::path& staging, const std::filesystem::path& target,
                std::optional<std::filesystem::path>& earlier, std::string& error);

// Whether dir holds nothing but the manifest and what it lists, each of the
// kind listed (a directory that became a link or a file is not ours).
bool HoldsOnlyListed(const std::filesystem::path& dir, const Manifest& manifest);

}  // namespace velmora::cli::install
