#pragma once
// Room on the disk for what an installation writes: the helpers the viewer's
// own unpacking of images shares (disc/free_space.h).

#include "disc/free_space.h"

namespace velmora::cli::install {

using disc::FreeBytes;
using disc::IsFull;
using disc::MiB;
using disc::SameFilesystem;
using disc::ShortOfSpace;
using disc::WriteFailure;

}  // namespace velmora::cli::install
