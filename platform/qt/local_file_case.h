#pragma once
// File names of the disc are matched without regard to letter case: the disc
// was made on a file system that ignores it. The engine is given the real name of a local
// file: for the program's own navigations, for links the program lets
// proceed, and for every picture, style sheet and frame a page loads.

#include <QUrl>

namespace velmora::platform::qt {

// The URL with its local path replaced by the existing file of that name in
// any letter case; unchanged when the exact path exists, when nothing
// matches, or when it is not a local file.
QUrl WithRealLocalPath(const QUrl& url);

}  // namespace velmora::platform::qt
