#pragma once
// What the pages of a disc may load: only local files under the directories
// the viewer allows (the disc, the installation and the working directory),
// named in any letter case. Everything else is refused, remote addresses and
// WebSockets included, and each refusal is kept with its reason.

#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>
#include <vector>

#include "viewer/refusal_log.h"

namespace velmora::platform::qt {

using RefusedRequest = Refusal;

// Replaces the directories whose files may be loaded; each is resolved
// (links, "..") once here. Forgets the shared directory below.
void AllowLocalRoots(const std::vector<QString>& directories);

// A directory that other programs use too (the temporary-files directory
// itself, when the viewer could not make one of its own): only the files of
// it with these names may load; a name ending in '*' stands for every name
// that begins with what precedes it. Letter case is ignored.
void AllowLocalFilesIn(const QString& directory, const std::vector<QString>& names);

// What asks for an address: the page itself (a picture, a style sheet, the
// page of the top frame), a script (XMLHttpRequest, fetch), or a frame,
// <object> or <embed> inside a page.
enum class RequestKind { Resource, Script, Frame };

// Why the address may not be loaded, or an empty text when it may.
// Local paths are judged after resolving percent-encoding, "..", links
// and letter case. A script may read no file at all: the disc's pages need
// none, and the engine lets local pages read each other's files once they
// may show pictures of other directories. For the same reason a frame may
// hold only a page (".htm", ".html"): a page could read any other file put
// in a frame of its own, a definition or a table.
QString RefusalReason(const QUrl& url, RequestKind kind = RequestKind::Resource);

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
