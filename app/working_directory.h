#pragma once
// The program's working directory: generated pages and the support files
// they show lie there. Created at start-up, emptied at shut-down.

#include <string>

#include "platform/file_system.h"
#include "tables/content_paths.h"

namespace velmora::app {

// Used in place of the temporary-files path when the system offers none
// (no private one): the root of the file system. An ordinary account cannot
// create the directory there, and then nothing is written.
inline constexpr const char* kFallbackTempRoot = "/";
inline constexpr const char* kWorkDirName = "VNQETMP/";

// Determines and creates the working directory, sets paths.workDir,
// confines the file system's reads to the content root, the installation
// root and the working directory, removes what a viewer that ended without
// its shut-down left there (as CleanWorkingDirectory would, when no other
// viewer uses it) and copies the support files into it; a support file
// that resolves outside those roots counts as missing. Returns
// workDirCreated: true when the
// program's own directory exists (then all of it is the program's); false
// when it fell back to the temporary-files path itself, also when the
// directory found there is a link or belongs to another user.
bool PrepareWorkingDirectory(platform::FileSystem& files, tables::ContentPaths& paths);

// Removes what the program put into the working directory: with an own
// directory every plain file in it and then the directory, else only the
// generated pages ("$$*.html"), the search's signature files and the ten
// support files. Links, directories
// and other entries are never touched or followed. Nothing is removed while
// another running viewer uses the same directory; otherwise the lock file
// goes too. Failures are ignored.
void CleanWorkingDirectory(platform::FileSystem& files, const std::string& workDir,
                           bool workDirCreated);

// The file whose locks mark the working directory as in use; it lies beside
// the directory, and the last viewer's shut-down removes it.
std::string WorkDirLockFile(const std::string& workDir, bool workDirCreated);

}  // namespace velmora::app
