#include "disc/bounded_unpack.h"

#include <sys/mman.h>

#include <atomic>
#include <sstream>

#include "disc/free_space.h"
#include "disc/limited_child.h"

namespace velmora::disc {
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

// Directories are read at far more than 16 MiB per second of processor time,
// files written at more than 4 MiB, however busy the machine.
ChildLimits MeasureLimits(std::uint64_t imageBytes) {
  return {kReadingMemory, 5s + std::chrono::seconds(imageBytes / (16 * kMiB))};
}
ChildLimits ExtractLimits(std::uint64_t imageBytes, std::uint64_t declaredBytes) {
  return {kReadingMemory, 10s + std::chrono::seconds((imageBytes + declaredBytes) / (4 * kMiB))};
}

std::optional<UnpackFailure> Failure(const ChildOutcome& outcome, const fs::path& image,
                                     const ChildLimits& limits) {
  const std::string prefix = "cannot read the disc image " + image.string() + ": ";
  switch (outcome.ending) {
    case ChildOutcome::Ending::kDone:
      return std::nullopt;
    case ChildOutcome::Ending::kOutOfTime: {
      const auto seconds = std::chrono::ceil<std::chrono::seconds>(limits.time).count();
      return UnpackFailure{UnpackFailure::Kind::kUnreadable,
                           prefix + "reading it took more than " + std::to_string(seconds) +
                               " s of processor time or " + std::to_string(kStallFactor * seconds) +
                               " s in all; it is damaged or made to harm"};
    }
    case ChildOutcome::Ending::kOutOfMemory:
      return UnpackFailure{UnpackFailure::Kind::kUnreadable,
                           prefix + "reading it needed more than " + MiB(limits.extraMemory) +
                               " of memory; it is damaged or made to harm"};
    case ChildOutcome::Ending::kFailed:
      break;
  }
  // The child's own words say which side failed.
  const bool write = outcome.text.starts_with("cannot write ");
  return UnpackFailure{write ? UnpackFailure::Kind::kWrite : UnpackFailure::Kind::kUnreadable,
                       outcome.text.empty() ? prefix + "reading failed" : outcome.text};
}

// A counter the child adds to and the parent reads: one shared page.
class SharedCounter {
 public:
  SharedCounter()
      : value_(static_cast<std::atomic<std::uint64_t>*>(::mmap(
            nullptr, sizeof(*value_), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0))) {
    if (value_ == MAP_FAILED) value_ = nullptr;
  }
  ~SharedCounter() {
    if (value_) ::munmap(value_, sizeof(*value_));
  }
  SharedCounter(const SharedCounter&) = delete;
  SharedCounter& operator=(const SharedCounter&) = delete;

  void Add(std::uint64_t bytes) {
    if (value_) value_->fetch_add(bytes, std::memory_order_relaxed);
  }
  std::uint64_t Get() const { return value_ ? value_->load(std::memory_order_relaxed) : 0; }

 private:
  std::atomic<std::uint64_t>* value_;
};

}  // namespace

std::optional<UnpackFailure> UnpackDiscImage(const fs::path& image, const fs::path& into,
                                             const RoomCheck& room,
                                             const UnpackProgress& progress) {
  std::error_code ec;
  const std::uint64_t imageBytes = fs::file_size(image, ec);
  if (ec) {
    return UnpackFailure{UnpackFailure::Kind::kUnreadable,
                         "cannot read the disc image " + image.string()};
  }

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
  if (std::optional<UnpackFailure> failed = Failure(measured, image, measureLimits)) return failed;
  ImageContents contents;
  std::istringstream(measured.text) >> contents.bytes >> contents.files;

  if (contents.bytes / kMaxExpansion > imageBytes) {
    return UnpackFailure{UnpackFailure::Kind::kUnreadable,
                         "the disc image " + image.string() + " declares " + MiB(contents.bytes) +
                             " of files in " + MiB(imageBytes) + ", more than " +
                             std::to_string(kMaxExpansion) +
                             " times its size: it is damaged or made to harm; nothing was written"};
  }
  if (room) {
    if (std::optional<std::string> full = room(contents)) {
      return UnpackFailure{UnpackFailure::Kind::kNoRoom, *full + "; nothing was written"};
    }
  }

  SharedCounter written;
  const ChildLimits extractLimits = ExtractLimits(imageBytes, contents.bytes);
  const ChildOutcome extracted = RunLimited(
      [&](std::string& error) -> std::optional<std::string> {
        if (std::optional<std::string> failed = ExtractDiscImage(
                image, into, contents, [&written](std::uint64_t bytes) { written.Add(bytes); })) {
          error = *failed;
          return std::nullopt;
        }
        return std::string();
      },
      extractLimits,
      progress ? [&] { progress(written.Get(), contents.bytes); } : std::function<void()>());
  return Failure(extracted, image, extractLimits);
}

}  // namespace velmora::disc
