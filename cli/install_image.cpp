#include "cli/install_image.h"

#include <sstream>

#include "cli/disc_image.h"
#include "cli/install_space.h"
#include "cli/limited_child.h"

namespace velmora::cli::install {
namespace fs = std::filesystem;
namespace {

using namespace std::chrono_literals;

constexpr std::uint64_t kMiB = 1024 * 1024;
// libarchive needs a few MiB for a CD's directories; a looping Rock Ridge
// continuation area grows without end.
constexpr std::uint64_t kReadingMemory = 256 * kMiB;
// Only zisofs files expand; text compresses some 3 to 5 times, a CD's
// pictures and films not at all.
constexpr std::uint64_t kMaxExpansion = 16;

// Directories are read at far more than 16 MiB a second, files written at
// more than 4 MiB a second, even from a slow drive.
ChildLimits MeasureLimits(std::uint64_t imageBytes) {
  return {kReadingMemory, 5s + std::chrono::seconds(imageBytes / (16 * kMiB))};
}
ChildLimits ExtractLimits(std::uint64_t imageBytes, std::uint64_t declaredBytes) {
  return {kReadingMemory, 10s + std::chrono::seconds((imageBytes + declaredBytes) / (4 * kMiB))};
}

std::optional<std::string> Failure(const ChildOutcome& outcome, const fs::path& image,
                                   const ChildLimits& limits) {
  const std::string prefix = "cannot read the disc image " + image.string() + ": ";
  switch (outcome.ending) {
    case ChildOutcome::Ending::kDone:
      return std::nullopt;
    case ChildOutcome::Ending::kOutOfTime:
      return prefix + "reading it took longer than " +
             std::to_string(std::chrono::duration_cast<std::chrono::seconds>(limits.time).count()) +
             " s; it is damaged or made to harm";
    case ChildOutcome::Ending::kOutOfMemory:
      return prefix + "reading it needed more than " + MiB(limits.extraMemory) +
             " of memory; it is damaged or made to harm";
    case ChildOutcome::Ending::kFailed:
      break;
  }
  return outcome.text.empty() ? prefix + "reading failed" : outcome.text;
}

}  // namespace

std::optional<std::string> UnpackDiscImage(const fs::path& image, const fs::path& into,
                                           const fs::path& target) {
  std::error_code ec;
  const std::uint64_t imageBytes = fs::file_size(image, ec);
  if (ec) return "cannot read the disc image " + image.string();

  const ChildLimits measureLimits = MeasureLimits(imageBytes);
  const ChildOutcome measured = RunLimited(
      [&](std::string& error) -> std::optional<std::string> {
        ImageContents contents;
        if (std::optional<std::string> failed = MeasureDiscImage(image, contents)) {
          error = *failed;
          return std::nullopt;
        }
        return std::to_string(contents.bytes) + " " + std::to_string(contents.files);
      },
      measureLimits);
  if (std::optional<std::string> failed = Failure(measured, image, measureLimits)) return failed;
  ImageContents contents;
  std::istringstream(measured.text) >> contents.bytes >> contents.files;

  if (contents.bytes / kMaxExpansion > imageBytes) {
    return "the disc image " + image.string() + " declares " + MiB(contents.bytes) +
           " of files in " + MiB(imageBytes) + ", more than " + std::to_string(kMaxExpansion) +
           " times its size: it is damaged or made to harm; nothing was written";
  }
  // The unpacked copy and the installed one; twice on one filesystem.
  const bool shared = SameFilesystem(into, target);
  if (std::optional<std::string> full = ShortOfSpace(into, contents.bytes)) {
    return *full + "; nothing was written";
  }
  if (std::optional<std::string> full =
          ShortOfSpace(target, shared ? 2 * contents.bytes : contents.bytes)) {
    return *full + "; nothing was written";
  }

  const ChildLimits extractLimits = ExtractLimits(imageBytes, contents.bytes);
  const ChildOutcome extracted = RunLimited(
      [&](std::string& error) -> std::optional<std::string> {
        if (std::optional<std::string> failed = ExtractDiscImage(image, into, contents)) {
          error = *failed;
          return std::nullopt;
        }
        return std::string();
      },
      extractLimits);
  return Failure(extracted, image, extractLimits);
}

}  // namespace velmora::cli::install
