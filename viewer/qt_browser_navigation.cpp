// The browser's navigations: each offered to the core first, then replayed
// as approved into the main frame, a frame or the history.

#include <QJsonDocument>
#include <QTimer>
#include <QWebEngineHistory>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/system.h"
#include "viewer/address_codec.h"
#include "viewer/hand_off_gate.h"
#include "viewer/local_file_case.h"
#include "viewer/page_caused.h"
#include "viewer/qt_browser.h"

namespace velmora::platform::qt {
namespace {

// Loads a frame navigation the core let proceed: into the frame the clicked
// link targeted, else into the frame whose markup names the address.
constexpr const char* kReplayIntoFrameScript = R"((function (asked, load) {
  var wanted = new URL(asked).href;
  var notes = window.__velmoraFrameLinks || [];
  for (var n = notes.length - 1; n >= 0; n--) {
    if (notes[n].href !== wanted) continue;
    var element = notes[n].frame;
    notes.splice(n, 1);
    try {
      element.contentWindow.location.href = load;
      return true;
    } catch (e) {}
  }
  function walk(doc) {
    var frames = doc.querySelectorAll('iframe, frame');
    for (var i = 0; i < frames.length; i++) {
      var src = frames[i].getAttribute('src');
      if (src !== null && new URL(src, doc.baseURI).href === wanted) {
        frames[i].setAttribute('src', src);
        return true;
      }
      try {
        if (frames[i].contentDocument && walk(frames[i].contentDocument)) return true;
      } catch (e) {}
    }
    return false;
  }
  return walk(document);
})(%1, %2))";

QString JsString(const QUrl& url) {
  const QString literal = QString::fromUtf8(
      QJsonDocument::fromVariant(QVariantList{QString::fromLatin1(url.toEncoded())})
          .toJson(QJsonDocument::Compact));
  return literal.mid(1, literal.size() - 2);  // drop the array brackets
}

// Addresses of this machine or of the page itself.
bool IsLocal(const QUrl& url) {
  const QString scheme = url.scheme();
  return scheme == u"file" || scheme == u"data" || scheme == u"about" || scheme == u"blob";
}

// Schemes the engine loads itself (the request guard decides what); any
// other (mailto:, ...) it would hand to the desktop once let through.
bool LoadsInEngine(const QUrl& url) {
  const QString scheme = url.scheme();
  return IsLocal(url) || scheme == u"http" || scheme == u"https";
}

}  // namespace

bool QtBrowser::AcceptNavigation(const QUrl& url, QWebEnginePage::NavigationType type,
                                 bool isMainFrame) {
  // The engine is never let hand an address to the desktop: that is the
  // program's, after the core has answered (Replay).
  const bool loadsInEngine = LoadsInEngine(url);
  if (!events_.BeforeNavigate2) return loadsInEngine;
  // A server redirect continues a navigation that has already been asked.
  // A page's own redirect or refresh to an outside address is asked like
  // any navigation: the core may hand that address to the desktop.
  if (type == QWebEnginePage::NavigationTypeRedirect && IsLocal(url)) return true;
  const QByteArray key = NavigationKey(url);
  if (!loadsInEngine) {
    // Asked below like any other, never let through.
  } else if (isMainFrame) {
    if (approvedMain_ && *approvedMain_ == key) {
      approvedMain_.reset();
      return true;
    }
  } else {
    auto approved = std::find(approvedFrames_.begin(), approvedFrames_.end(), key);
    if (approved != approvedFrames_.end()) {
      approvedFrames_.erase(approved);
      return true;
    }
  }
  if (isMainFrame && loadsInEngine) refused_.push_back(key);
  const PendingNavigation navigation{url, type, isMainFrame, NavigationNotByUser(type, view_)};
  QTimer::singleShot(0, this, [this, navigation] { AskCore(navigation); });
  return false;
}

bool QtBrowser::RaiseBeforeNavigate(const std::string& address) {
  auto handler = events_.BeforeNavigate2;
  if (!handler) return true;
  bool cancel = false;
  handler(address, cancel);
  return !cancel;
}

void QtBrowser::AskCore(const PendingNavigation& navigation) {
  const PageCausedWork pageCaused;
  QPointer<QtBrowser> self(this);
  const quint64 before = generation_;
  // What the core hands to the desktop while answering, and a mail link it
  // lets proceed, leave only when the user started this navigation.
  const NavigationBeingAsked asking(navigation.notByUser);
  const bool proceed = RaiseBeforeNavigate(ToCoreAddress(navigation.url, pageCharset_));
  if (!self || !proceed) return;
  // The core navigated this browser itself while answering; that wins.
  if (navigation.isMainFrame && generation_ != before) return;
  Replay(navigation);
}

void QtBrowser::Replay(const PendingNavigation& asked) {
  if (asked.url.scheme() == u"mailto") {
    // The engine hands no scheme to the desktop; a mail link the program
    // lets proceed goes to the mail program as a plain link would.
    const std::string address = Utf8ToWin1250(asked.url.toString().toStdString());
    if (IsOutsideAddress(address)) HandOffIfAllowed(asked.url);
    return;
  }
  PendingNavigation navigation = asked;
  navigation.url = WithRealLocalPath(asked.url);
  if (!navigation.isMainFrame) {
    ReplayIntoFrame(asked.url, navigation.url);
    return;
  }
  ++generation_;
  approvedMain_ = NavigationKey(navigation.url);
  if (navigation.type == QWebEnginePage::NavigationTypeBackForward) {
    GoToHistoryEntry(navigation.url);
  } else {
    replayed_ = Replayed{navigation.url, generation_};
    Load(navigation.url);
  }
}

void QtBrowser::GoToHistoryEntry(const QUrl& url) {
  // The same step the page asked for: the entry with this address nearest to
  // the current one.
  QWebEngineHistory* history = page_->history();
  const QList<QWebEngineHistoryItem> items = history->items();
  // While the refused step is still pending the history reports it as
  // current, so measure from the page last shown.
  const int current = committedIndex_;
  const QByteArray key = NavigationKey(url);
  int best = -1;
  for (int i = 0; i < items.size(); ++i) {
    if (i == current || NavigationKey(items[i].url()) != key) continue;
    if (best < 0 || std::abs(i - current) < std::abs(best - current)) best = i;
  }
  if (best >= 0) {
    history->goToItem(items[best]);
  } else {
    page_->setUrl(url);
  }
}

void QtBrowser::ReplayIntoFrame(const QUrl& asked, const QUrl& url) {
  const QByteArray key = NavigationKey(url);
  approvedFrames_.push_back(key);
  QPointer<QtBrowser> self(this);
  page_->runJavaScript(
      QString::fromLatin1(kReplayIntoFrameScript).arg(JsString(asked), JsString(url)),
      [self, key](const QVariant& replayed) {
        if (!self || replayed.toBool()) return;
        auto& approved = self->approvedFrames_;
        auto it = std::find(approved.begin(), approved.end(), key);
        if (it != approved.end()) approved.erase(it);
      });
}

void QtBrowser::Navigate(const std::string& address) {
  QPointer<QtBrowser> self(this);
  if (!RaiseBeforeNavigate(address) || !self) return;
  ++generation_;
  const QUrl url = ToEngineUrl(address);
  approvedMain_ = NavigationKey(url);
  Load(url);
}

void QtBrowser::GoBack() { StepHistory(-1); }
void QtBrowser::GoForward() { StepHistory(1); }

void QtBrowser::StepHistory(int offset) {
  QWebEngineHistory* history = page_->history();
  if (offset < 0 ? !history->canGoBack() : !history->canGoForward()) return;
  const QUrl target = (offset < 0 ? history->backItem() : history->forwardItem()).url();
  QPointer<QtBrowser> self(this);
  const quint64 before = generation_;
  if (!RaiseBeforeNavigate(ToCoreAddress(target, pageCharset_)) || !self) return;
  if (generation_ != before) return;
  ++generation_;
  if (!PageCausedWork::Running()) page_->dialogs().ProgramNavigated();
  approvedMain_ = NavigationKey(target);
  if (offset < 0) {
    history->back();
  } else {
    history->forward();
  }
}

}  // namespace velmora::platform::qt
