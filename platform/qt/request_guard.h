#pragma once
// What the pages of a disc may load: only local files under the directories
// the viewer allows (the disc, the installation and the working directory),
// named in any letter case. Everything else is refused, remote addresses and
// WebSockets included, and each refusal is kept with its reason.

#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>
#include <vector>

namespace velmora::platform::qt {

struct RefusedRequest {
  QUrl url;
  QString reason;
};

// Replaces the directories whose files may be loaded; each is resolved
// (links, "..") once here.
void AllowLocalRoots(const std::vector<QString>& directories);

// Why the address may not be loaded, or an empty text when it may.
// Local paths are judged after resolving percent-encoding, "..", links
// and letter case. A script (XMLHttpRequest, fetch) may read no file at all:
// the disc's pages need none, and the engine lets local pages read each
// other's files once they may show pictures of other directories.
QString RefusalReason(const QUrl& url, bool byScript = false);

// The refusals so far, oldest first (the latest 1000), and forgetting them.
std::vector<RefusedRequest> RefusedRequests();
void ClearRefusedRequests();

class RequestGuard : public QWebEngineUrlRequestInterceptor {
 public:
  // Refuses what RefusalReason refuses; gives the engine the real name of a
  // local file written in another letter case.
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

}  // namespace velmora::platform::qt
