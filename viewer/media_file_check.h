#pragma once
// What the media player is given: local regular files only. The media layer
// follows what a text file names (an HLS or other playlist, SMIL, ASX, a
// list of addresses) and fetches it from the network; the disc's films and
// sounds are binary files, so a file whose start is text is refused, as is
// anything that is not a regular file (a FIFO would never finish loading).

#include <QByteArray>
#include <QString>

namespace velmora::platform::qt {

// Bytes of the start that are looked at.
inline constexpr int kMediaHeadBytes = 1024;

// Why the file may not be played, empty when it may.
QString MediaFileRefusal(const QString& path);

// Whether the start of a file is text or names a playlist or an address.
bool IsTextMediaHead(const QByteArray& head);

}  // namespace velmora::platform::qt
