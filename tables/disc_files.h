#pragma once
// The disc's fixed files besides the catalogue's tables, named once for the
// start-up, the windows and `check`.

namespace velmora::tables::disc_files {

// In the table directory.
inline constexpr const char* kMenuTable = "MENU.CSV";
inline constexpr const char* kTreeTable = "DRZEWO1.CSV";
// In the animation directory.
inline constexpr const char* kStartProgram = "start.exe";
inline constexpr const char* kClosingProgram = "fin.exe";
inline constexpr const char* kSlideMusic = "kev1.wav";
// In the data directory.
inline constexpr const char* kStartPage = "799.htm";
inline constexpr const char* kContentsPage = "drzewo.htm";

}  // namespace velmora::tables::disc_files
