#include "platform/qt/local_file_case.h"

#include <QFileInfo>
#include <atomic>

#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "platform/qt/win1250_text.h"

namespace velmora::platform::qt {

namespace {

// Asked from the engine's threads too; each directory is listed once.
std::atomic<NativeFileSystem*> registered{nullptr};

NativeFileSystem& Lookups() {
  if (NativeFileSystem* files = registered.load()) return *files;
  static NativeFileSystem own;
  return own;
}

}  // namespace

void ResolveLocalNamesWith(NativeFileSystem* files) { registered.store(files); }

QUrl WithRealLocalPath(const QUrl& url) {
  if (!url.isLocalFile()) return url;
  const QString path = url.toLocalFile();
  if (path.isEmpty() || QFileInfo::exists(path)) return url;
  const std::string corePath = Utf8ToWin1250(path.toStdString());
  const std::string real = Lookups().ResolvePath(corePath);
  if (real == corePath) return url;
  QUrl resolved = QUrl::fromLocalFile(FromWin1250(real));
  if (url.hasQuery()) resolved.setQuery(url.query(QUrl::FullyEncoded), QUrl::StrictMode);
  if (url.hasFragment()) resolved.setFragment(url.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
  return resolved;
}

}  // namespace velmora::platform::qt
