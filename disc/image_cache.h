#pragma once
// A disc image opened for reading without mounting it: unpacked once into
// the user's cache (one directory per image file), then reused while the
// image stays the same. A marker written last records the image's size,
// modification time and a digest of its volume descriptors; a copy without
// it, or whose marker no longer matches, is thrown away and made again, so
// a half-written copy is never read.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "disc/bounded_unpack.h"

namespace velmora::disc {

// $XDG_CACHE_HOME/velmora/discs, else ~/.cache/velmora/discs; nullopt when
// neither names an absolute directory.
std::optional<std::filesystem::path> DiscCacheRoot();

// What tells one state of an image file from another.
struct ImageIdentity {
  std::uint64_t size = 0;
  std::int64_t modified = 0;      // nanoseconds
  std::uint64_t descriptors = 0;  // digest of the volume descriptors
  bool operator==(const ImageIdentity&) const = default;
};

// Nullopt when the file cannot be read or holds no ISO 9660 volume.
std::optional<ImageIdentity> IdentifyImage(const std::filesystem::path& image);

struct OpenedImage {
  std::filesystem::path folder;  // the disc's root, when opened
  bool reused = false;           // an earlier copy served
  std::optional<UnpackFailure> failure;
};

// The image's disc as a folder in cacheRoot. `unpacking` is called once
// before a new copy is made (to show that it takes a while), `progress`
// while it is written. Two programs opening one image take turns.
OpenedImage OpenImageThroughCache(const std::filesystem::path& image,
                                  const std::filesystem::path& cacheRoot,
                                  const std::function<void()>& unpacking = nullptr,
                                  const UnpackProgress& progress = nullptr);

}  // namespace velmora::disc
