#pragma once
// Unpacking a disc image for installing (disc/bounded_unpack.h), with
// room for both the unpacked copy and the installed one.

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
