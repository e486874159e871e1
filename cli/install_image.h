#pragma once
// Unpacking a disc image for installing, bounded: its directories are read
// first, in a child process with a memory and a time limit; what they
// declare must fit a sane expansion of the image and the free space of the
// temporary and the installed directory; only then are the files written,
// again under limits, none past its declared size.

#include <filesystem>
#include <optional>
#include <string>

namespace velmora::cli::install {

// Unpacks image into the empty directory `into`, the installation going to
// `target` later. Returns the error message, or nullopt.
std::optional<std::string> UnpackDiscImage(const std::filesystem::path& image,
                                           const std::filesystem::path& into,
                                           const std::filesystem::path& target);

}  // namespace velmora::cli::install
