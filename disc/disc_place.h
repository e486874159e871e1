#pragma once
// Telling a folder that holds the encyclopedia's disc from any other, and
// finding the discs the desktop has mounted. Names are matched without
// regard to letter case: a plain ISO 9660 disc shows them in capitals.

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::disc {

// Whether root holds the disc's tables (DB/RP.CSV).
bool HoldsTables(const std::filesystem::path& root);

// Whether root holds the whole disc: its tables and its start-up program
// (Anim/start.exe).
bool LooksLikeDisc(const std::filesystem::path& root);

// Where the desktop mounts removable media for the user: /media/USER and
// /run/media/USER; VELMORA_MEDIA_ROOTS (paths separated by ':') instead,
// when set.
std::vector<std::filesystem::path> MediaRoots();

// The folders directly under the roots that look like the disc, in the
// roots' order, each sorted by name.
std::vector<std::filesystem::path> MountedDiscs(const std::vector<std::filesystem::path>& roots);

}  // namespace velmora::disc
