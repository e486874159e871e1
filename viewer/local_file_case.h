#pragma once
// File names of the disc are matched without regard to letter case: the disc
// was made on a file system that ignores it. The engine is given the real name of a local
// file: for the program's own navigations, for links the program lets
// proceed, and for every picture, style sheet and frame a page loads.

#include <QUrl>

#include "platform/native_file_system.h"

namespace velmora::platform::qt {

// The lookups go to this file system (null: to one of their own), so that
// they share its one listing per directory, which follows what the program
// writes and removes through it. The file system must outlive its use here.
void ResolveLocalNamesWith(NativeFileSystem* files);

// The URL with its local path replaced by the existing file of that name in
// any letter case; unchanged when the exact path exists, when nothing
// matches, or when it is not a local file.
QUrl WithRealLocalPath(const QUrl& url);

}  // namespace velmora::platform::qt
