#include "cli/install_image.h"

#include "cli/install_space.h"
#include "disc/bounded_unpack.h"

namespace velmora::cli::install {

std::optional<std::string> UnpackDiscImage(const std::filesystem::path& image,
                                           const std::filesystem::path& into,
                                           const std::filesystem::path& target) {
  // The unpacked copy and the installed one; twice on one filesystem.
  const bool shared = SameFilesystem(into, target);
  const std::optional<disc::UnpackFailure> failed = disc::UnpackDiscImage(
      image, into, [&](const disc::ImageContents& contents) -> std::optional<std::string> {
        if (std::optional<std::string> full = ShortOfSpace(into, contents.bytes)) return full;
        return ShortOfSpace(target, shared ? 2 * contents.bytes : contents.bytes);
      });
  if (failed) return failed->message;
  return std::nullopt;
}

}  // namespace velmora::cli::install
