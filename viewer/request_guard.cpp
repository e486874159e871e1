#include "viewer/request_guard.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include "viewer/local_file_case.h"

namespace velmora::platform::qt {
namespace {

// The interceptor runs on the engine's IO thread.
QMutex& Lock() {
  static QMutex mutex;
  return mutex;
}

std::vector<QString>& Roots() {
  static std::vector<QString> roots;
  return roots;
}

struct SharedDirectory {
  QString real;  // resolved, without a trailing '/'
  std::vector<QString> names;
};

std::vector<SharedDirectory>& SharedDirectories() {
  static std::vector<SharedDirectory> directories;
  return directories;
}

RefusalLog& Refusals() {
  static RefusalLog refusals;
  return refusals;
}

// The path with links resolved; for a name that does not exist, its nearest
// existing parent resolved and the rest appended (the engine reports a
// missing file, but where it is looked for still counts).
QString ResolvedPath(const QString& path) {
  QString existing = QDir::cleanPath(path);
  QString rest;
  for (;;) {
    const QString real = QFileInfo(existing).canonicalFilePath();
    if (!real.isEmpty()) return rest.isEmpty() ? real : QDir::cleanPath(real + u'/' + rest);
    const qsizetype slash = existing.lastIndexOf(u'/');
    if (slash < 0) return {};
    rest = rest.isEmpty() ? existing.mid(slash + 1) : existing.mid(slash + 1) + u'/' + rest;
    existing = slash == 0 ? QStringLiteral("/") : existing.left(slash);
  }
}

bool NameMatches(const QString& name, const QString& pattern) {
  if (pattern.endsWith(u'*')) {
    return name.startsWith(QStringView(pattern).chopped(1), Qt::CaseInsensitive);
  }
  return name.compare(pattern, Qt::CaseInsensitive) == 0;
}

bool UnderAllowedRoot(const QString& real) {
  QMutexLocker locker(&Lock());
  for (const QString& root : Roots()) {
    if (real == root || real.startsWith(root.endsWith(u'/') ? root : root + u'/')) return true;
  }
  const qsizetype slash = real.lastIndexOf(u'/');
  const QString parent = slash <= 0 ? QStringLiteral("/") : real.left(slash);
  const QString name = real.mid(slash + 1);
  for (const SharedDirectory& shared : SharedDirectories()) {
    if (parent != shared.real) continue;
    for (const QString& pattern : shared.names) {
      if (NameMatches(name, pattern)) return true;
    }
  }
  return false;
}

bool IsPage(const QString& path) {
  return path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive) ||
         path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive);
}

RequestKind KindOf(QWebEngineUrlRequestInfo::ResourceType type) {
  switch (type) {
    case QWebEngineUrlRequestInfo::ResourceTypeXhr:
      return RequestKind::Script;
    case QWebEngineUrlRequestInfo::ResourceTypeSubFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeObject:
    case QWebEngineUrlRequestInfo::ResourceTypePluginResource:
      return RequestKind::Frame;
    default:
      return RequestKind::Resource;
  }
}

}  // namespace

void AllowLocalRoots(const std::vector<QString>& directories) {
  std::vector<QString> resolved;
  for (const QString& directory : directories) {
    const QString real = QFileInfo(directory).canonicalFilePath();
    if (!real.isEmpty()) resolved.push_back(real);
  }
  QMutexLocker locker(&Lock());
  Roots() = std::move(resolved);
  SharedDirectories().clear();
}

void AllowLocalFilesIn(const QString& directory, const std::vector<QString>& names) {
  const QString real = QFileInfo(directory).canonicalFilePath();
  if (real.isEmpty()) return;
  QMutexLocker locker(&Lock());
  SharedDirectories().push_back({real, names});
}

QString RefusalReason(const QUrl& url, RequestKind kind) {
  const QString scheme = url.scheme();
  // Data the page holds itself reaches nothing outside it.
  if (scheme == u"data" || scheme == u"blob" || scheme == u"about") return {};
  if (scheme != u"file") {
    return QStringLiteral("not a local file (%1:)")
        .arg(scheme.isEmpty() ? QStringLiteral("?") : scheme);
  }
  if (!url.host().isEmpty()) return QStringLiteral("a file on another host");
  if (kind == RequestKind::Script) return QStringLiteral("a file read by a script");
  const QString real = ResolvedPath(WithRealLocalPath(url).toLocalFile());
  if (real.isEmpty()) return QStringLiteral("a file name that cannot be resolved");
  if (!UnderAllowedRoot(real)) {
    return QStringLiteral("outside the disc, installation and working directories (%1)").arg(real);
  }
  if (kind == RequestKind::Frame && !IsPage(real)) {
    return QStringLiteral("not a page, in a frame or object (%1)").arg(real);
  }
  return {};
}

std::vector<RefusedRequest> RefusedRequests() { return Refusals().Kept(); }

void ClearRefusedRequests() { Refusals().Clear(); }

void RequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QUrl url = info.requestUrl();
  const QString reason = RefusalReason(url, KindOf(info.resourceType()));
  if (!reason.isEmpty()) {
    const bool webSocket = info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeWebSocket;
    Refusals().Add(url, webSocket ? QStringLiteral("WebSocket: ") + reason : reason);
    info.block(true);
    return;
  }
  const QUrl real = WithRealLocalPath(url);
  if (real != url) info.redirect(real);
}

}  // namespace velmora::platform::qt
