#include "platform/qt/local_file_case.h"

#include <QFileInfo>

#include "platform/codepage.h"
#include "platform/native_file_system.h"

namespace velmora::platform::qt {

QUrl WithRealLocalPath(const QUrl& url) {
  if (!url.isLocalFile()) return url;
  const QString path = url.toLocalFile();
  if (path.isEmpty() || QFileInfo::exists(path)) return url;
  NativeFileSystem files;
  const std::string corePath = Utf8ToWin1250(path.toStdString());
  const std::string real = files.ResolvePath(corePath);
  if (real == corePath) return url;
  QUrl resolved = QUrl::fromLocalFile(QString::fromStdString(Win1250ToUtf8(real)));
  if (url.hasQuery()) resolved.setQuery(url.query(QUrl::FullyEncoded), QUrl::StrictMode);
  if (url.hasFragment()) resolved.setFragment(url.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
  return resolved;
}

}  // namespace velmora::platform::qt
