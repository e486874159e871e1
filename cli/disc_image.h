#pragma once
// A disc held as an ISO 9660 image (plain upper-case 8.3 names, Joliet or
// Rock Ridge names), read with libarchive without mounting it.

#include <filesystem>
#include <optional>
#include <string>

namespace velmora::cli {

// Unpacks the image's directories and regular files into `into`, an empty
// directory. Names that would leave it (absolute, "..") and entries of other
// kinds (links, devices) are skipped. Returns an error message, or nullopt
// when the whole image was read.
std::optional<std::string> ExtractDiscImage(const std::filesystem::path& image,
                                            const std::filesystem::path& into);

}  // namespace velmora::cli
