#pragma once
// A disc held as an ISO 9660 image (plain upper-case 8.3 names, Joliet or
// Rock Ridge names), read with libarchive without mounting it. Both passes
// trust nothing the image says: run them under limits (cli/install_image.h).
// Memory the reader is refused is thrown as std::bad_alloc.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace velmora::disc {

// What an image says it holds: the files it would unpack and their bytes as
// declared (a zisofs file by its uncompressed size, a second name of one
// file by the first's size again).
struct ImageContents {
  std::uint64_t bytes = 0;
  std::uint64_t files = 0;
};

// Reads the image's directories only. Returns an error message, or nullopt.
std::optional<std::string> MeasureDiscImage(const std::filesystem::path& image,
                                            ImageContents& contents);

// Unpacks the image's directories and regular files into `into`, an empty
// directory. Names that would leave it (absolute, "..") and entries of other
// kinds (links, devices) are skipped. Every file ends up exactly the size
// the image declares (a file whose last blocks are left out as zeros is
// completed), and no file nor the whole may grow past what was measured.
// A file's execute bits that Rock Ridge records are kept (never set-id or
// sticky bits), the user's umask applying as to any new file. `written`,
// when given, hears of the bytes of each file as it is done.
// Returns an error message, or nullopt when the whole image was read.
std::optional<std::string> ExtractDiscImage(
    const std::filesystem::path& image, const std::filesystem::path& into,
    const ImageContents& measured,
    const std::function<void(std::uint64_t bytes)>& written = nullptr);

}  // namespace velmora::disc
