#pragma once
// Unpacking a disc image, bounded: its directories are read first, in a
// child process with a memory and a time limit; what they declare must fit
// a sane expansion of the image and the free space where it goes; only then
// are the files written, again under limits, none past its declared size.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "disc/disc_image.h"

namespace velmora::disc {

struct UnpackFailure {
  // kUnreadable: damaged, truncated, not an image, or made to harm;
  // kNoRoom: the files would not fit; kWrite: writing them failed;
  // kNotDisc: a sound image of something else.
  enum class Kind { kUnreadable, kNoRoom, kWrite, kNotDisc };
  Kind kind = Kind::kUnreadable;
  std::string message;  // English, for the error output
};

// Given what the image declares, the message when it does not fit where
// its files go, or nullopt.
using RoomCheck = std::function<std::optional<std::string>(const ImageContents&)>;
// Bytes written so far of the total declared; called on the caller's
// thread a few times a second while the files are written.
using UnpackProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Unpacks image into the empty directory `into`. Returns the failure, or
// nullopt when every file was written.
std::optional<UnpackFailure> UnpackDiscImage(const std::filesystem::path& image,
                                             const std::filesystem::path& into,
                                             const RoomCheck& room,
                                             const UnpackProgress& progress = nullptr);

}  // namespace velmora::disc
