#pragma once
// Reading a disc's directories and copying its installation part (or a whole
// unpacked disc image) into the installed directory.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/install_manifest.h"
#include "cli/install_tree.h"
#include "cli/progress.h"

namespace velmora::cli::install {

// The entry of dir named name without regard to letter case, if a directory
// of its own (not a link).
std::optional<std::filesystem::path> FindDirectory(const std::filesystem::path& dir,
                                                   const std::string& lowerName);

// The disc's directories the viewer reads, when one of them is a link: it
// could lead anywhere, a home directory included.
std::optional<std::filesystem::path> LinkedTopDirectory(const std::filesystem::path& disc);

struct PlannedCopy {
  std::filesystem::path from;
  std::string to;  // relative to the installed directory
};

// What copying the four parts (or, for a disc image, the whole disc) creates:
// directories and files that do not exist yet in `existing` (the directory
// copied into, nullopt for a fresh one), and every copy to make. A file of
// the manifest's name at the top of the disc is left out with a note.
bool PlanCopies(const std::filesystem::path& disc,
                const std::optional<std::filesystem::path>& existing, Manifest& manifest,
                std::vector<PlannedCopy>& copies, std::ostream& err, bool wholeDisc = false);

// The bytes the planned copies take.
std::uint64_t TotalBytes(const std::vector<PlannedCopy>& copies);

// Writes the manifest first, so that even a broken-off copy can be undone,
// then makes the directories and copies the files, all inside the tree,
// counting the files and bytes copied on progress.
bool CopyInto(InstallTree& tree, const Manifest& manifest, const std::vector<PlannedCopy>& copies,
              std::ostream& err, ProgressLine& progress);

}  // namespace velmora::cli::install
