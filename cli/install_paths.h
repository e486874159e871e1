#pragma once
// Where an installation and the viewer's settings go, and the path checks
// installing and uninstalling share.

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/install_args.h"

namespace velmora::cli::install {

struct Paths {
  std::filesystem::path target;
  std::filesystem::path settings;
};

// The installed directory (--to, else the XDG data directory's) and the
// settings file under the XDG configuration directory, both normalised.
std::optional<Paths> LocatePaths(const InstallArgs& args, std::ostream& err);

// Absolute and without ".." or a trailing separator, links resolved where
// they exist, so that two names of one directory compare equal.
std::filesystem::path Normal(const std::filesystem::path& path);

// Whether path is dir or lies under it, by whole names.
bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& dir);

// Directories from path upwards that do not exist yet, outermost last.
std::vector<std::filesystem::path> MissingDirectories(std::filesystem::path path);

// Removes the empty ones of parents that lie above one of allowedUnder,
// deepest first.
void RemoveEmptyParents(std::vector<std::filesystem::path> parents,
                        const std::vector<std::filesystem::path>& allowedUnder);

}  // namespace velmora::cli::install
