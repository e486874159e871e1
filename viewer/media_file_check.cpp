#include "viewer/media_file_check.h"

#include <QFile>
#include <QFileInfo>

namespace velmora::platform::qt {
namespace {

bool IsTextByte(unsigned char byte) {
  if (byte == '\t' || byte == '\n' || byte == '\r' || byte == '\f') return true;
  return byte >= 0x20 && byte != 0x7f;
}

// Starts the media layer reads as a playlist or a reference to elsewhere,
// whatever follows them.
bool StartsLikePlaylist(QByteArray head) {
  if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
  head = head.trimmed().toLower();
  for (const char* start : {"#ext", "[playlist]", "[reference]", "<",
                            "rtsp:", "http:", "https:", "mms:", "file:", "ftp:"}) {
    if (head.startsWith(start)) return true;
  }
  return head.left(head.indexOf('\n')).contains("://");
}

}  // namespace

bool IsTextMediaHead(const QByteArray& head) {
  if (StartsLikePlaylist(head)) return true;
  for (const char byte : head) {
    if (!IsTextByte(static_cast<unsigned char>(byte))) return false;
  }
  return true;
}

QString MediaFileRefusal(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return QStringLiteral("no such file");
  if (!info.isFile()) return QStringLiteral("not a regular file");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("cannot be read");
  const QByteArray head = file.read(kMediaHeadBytes);
  if (head.isEmpty()) return QStringLiteral("empty");
  if (IsTextMediaHead(head)) return QStringLiteral("text (a playlist or an address), not a film");
  return {};
}

}  // namespace velmora::platform::qt
