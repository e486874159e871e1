#include "viewer/qt_browser.h"

#include <QEvent>
#include <QSizePolicy>
#include <QThread>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <algorithm>

#include "platform/codepage.h"
#include "viewer/address_codec.h"
#include "viewer/browser_profile.h"
#include "viewer/hand_off_gate.h"
#include "viewer/page_caused.h"
#include "viewer/renderer_recovery.h"

namespace velmora::platform::qt {
namespace {

// Remembers, in the top document, which frame a clicked link targets: the
// engine names only the address of a frame navigation, and a link in one
// frame usually loads another (target="main"). Main-frame targets need no
// note, they are replayed by address.
constexpr const char* kNoteLinkTargetScript = R"((function () {
  function named(w, name) {
    for (var i = 0; i < w.frames.length; i++) {
      try {
        if (w.frames[i].name === name) return w.frames[i];
        var inner = named(w.frames[i], name);
        if (inner) return inner;
      } catch (e) {}
    }
    return null;
  }
  document.addEventListener('click', function (event) {
    try {
      var link = event.target && event.target.closest ? event.target.closest('a[href], area[href]') : null;
      if (!link || window === window.top) return;
      var target = link.getAttribute('target');
      if (!target) {
        var base = document.querySelector('base[target]');
        target = base ? base.getAttribute('target') : '';
      }
      var keyword = target.toLowerCase();
      var frame = null;
      if (keyword === '' || keyword === '_self') frame = window;
      else if (keyword === '_parent') frame = window.parent;
      else if (keyword === '_top' || keyword === '_blank') frame = null;
      else frame = named(window.top, target);
      if (!frame || frame === window.top) return;
      var notes = window.top.__velmoraFrameLinks || (window.top.__velmoraFrameLinks = []);
      notes.push({href: link.href, frame: frame.frameElement});
      if (notes.length > 16) notes.shift();
    } catch (e) {}
  }, true);
})();)";

}  // namespace

GuardedPage::GuardedPage(QtBrowser& browser, QObject* parent)
    : QWebEnginePage(ViewerProfile(), parent), browser_(browser) {}

bool GuardedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  return browser_.AcceptNavigation(url, type, isMainFrame);
}

void GuardedPage::javaScriptAlert(const QUrl&, const QString& text) { dialogs_.Alert(text); }

bool GuardedPage::javaScriptConfirm(const QUrl&, const QString& text) {
  return dialogs_.Confirm(text);
}

bool GuardedPage::javaScriptPrompt(const QUrl&, const QString& text, const QString& value,
                                   QString* result) {
  return dialogs_.Prompt(text, value, result);
}

QtBrowser::QtBrowser(QWidget* parent) : view_(new QWebEngineView(parent)) {
  page_ = MakePage();
  view_->setPage(page_);
  WatchUserInput(view_);
  // The page on screen again, as the program's own load: the core was asked
  // about it before.
  new RendererRecovery(*view_, [this] {
    const QUrl url = page_->url();
    if (url.isEmpty()) return;
    approvedMain_ = NavigationKey(url);
    page_->triggerAction(QWebEnginePage::Reload);
  });
}

GuardedPage* QtBrowser::MakePage() {
  auto* page = new GuardedPage(*this, view_);
  QWebEngineScript noteLinkTarget;
  noteLinkTarget.setName(QStringLiteral("velmora-frame-links"));
  noteLinkTarget.setSourceCode(QString::fromLatin1(kNoteLinkTargetScript));
  noteLinkTarget.setInjectionPoint(QWebEngineScript::DocumentCreation);
  noteLinkTarget.setRunsOnSubFrames(true);
  noteLinkTarget.setWorldId(QWebEngineScript::MainWorld);
  page->scripts().insert(noteLinkTarget);
  // There is no second browser window: a page another would open is asked
  // about and loaded here, as a link of the top page would be.
  connect(
      page, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        const PendingNavigation navigation{request.requestedUrl(),
                                           QWebEnginePage::NavigationTypeLinkClicked, true,
                                           NewWindowNotByUser(request.isUserInitiated(), view_)};
        QTimer::singleShot(0, this, [this, navigation] { AskCore(navigation); });
      });
  // Queued, so that the core's handlers run outside the engine's callbacks.
  connect(
      page, &QWebEnginePage::titleChanged, this,
      [this](const QString& title) {
        if (auto handler = events_.TitleChange) handler(Utf8ToWin1250(title.toStdString()));
      },
      Qt::QueuedConnection);
  connect(page, &QWebEnginePage::loadingChanged, this, &QtBrowser::LoadingChanged);
  connect(page, &QWebEnginePage::urlChanged, this, &QtBrowser::ReportCommandState,
          Qt::QueuedConnection);
  return page;
}

void QtBrowser::RenewPageWhenHidden() {
  // Only such a browser watches its own view.
  if (view_) view_->installEventFilter(this);
}

void QtBrowser::RenewPageLater(quint64 generation) {
  // A page sent meanwhile, before the window shows again, is kept.
  if (generation_ != generation) return;
  // Not from a nested event loop: a dialog of the page itself, run from
  // inside the page's own callback, may be what runs it.
  if (QThread::currentThread()->loopLevel() > 1) {
    QTimer::singleShot(kRenewRetryMs, this, [this, generation] { RenewPageLater(generation); });
    return;
  }
  RenewPageIfHidden();
}

void QtBrowser::RenewPageIfHidden() {
  if (!view_ || view_->isVisible() || page_->url().isEmpty()) return;
  GuardedPage* old = page_;
  page_ = MakePage();
  view_->setPage(page_);
  delete old;
  // What was waiting on the old page's navigations went with it.
  approvedMain_.reset();
  approvedFrames_.clear();
  refused_.clear();
  replayed_.reset();
  committedIndex_ = 0;
  pageCharset_.clear();
}

QtBrowser::~QtBrowser() {
  // The page calls back into this object, so it must not outlive it.
  delete view_.data();
}

void QtBrowser::SetEvents(BrowserEvents events) { events_ = std::move(events); }

void QtBrowser::LoadAfterPagesOf(QtBrowser& leader, int limitMs) {
  holding_ = true;
  hiddenWhileHeld_ = true;
  holdLimitMs_ = limitMs;
  // A browser on screen has the shared renderer draw its empty page while
  // the leader's loads; hidden, it costs nothing until it has a page. Its
  // place in the window is kept.
  if (view_) {
    QSizePolicy policy = view_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    view_->setSizePolicy(policy);
    visibleAfterHold_ = !view_->isHidden();
    view_->hide();
  }
  QPointer<QtBrowser> watched(&leader);
  connect(leader.view_, &QWebEngineView::loadStarted, this, &QtBrowser::HoldWhileLeaderLoads);
  connect(leader.view_, &QWebEngineView::loadFinished, this, [this, watched] {
    if (watched) EndHoldWhenShown(*watched);
  });
}

void QtBrowser::HoldWhileLeaderLoads() {
  if (holding_) return;
  holding_ = true;
  hiddenWhileHeld_ = false;
  holdLimitMs_ = kLaterPageHoldLimitMs;
}

void QtBrowser::EndHoldWhenShown(QtBrowser& leader) {
  if (!holding_) return;
  // The page is drawn into a child the engine makes for it; a page whose
  // frame came before the end of its load gets no further paint.
  QTimer::singleShot(kShownAfterMs, this, &QtBrowser::EndHold);
  QWidget* surface = leader.view_ ? leader.view_->focusProxy() : nullptr;
  if (!surface) return;
  leaderSurface_ = surface;
  surface->installEventFilter(this);
}

bool QtBrowser::eventFilter(QObject* watched, QEvent* event) {
  // Closed, not minimised: a minimised window's views are hidden by the
  // system, spontaneously.
  if (watched == view_ && event->type() == QEvent::Hide && !event->spontaneous()) {
    QTimer::singleShot(0, this, [this, generation = generation_] { RenewPageLater(generation); });
  }
  if (watched == leaderSurface_ && event->type() == QEvent::Paint) {
    // Once the paint is done: the renderer the pages share is free then.
    QTimer::singleShot(0, this, &QtBrowser::EndHold);
  }
  return QObject::eventFilter(watched, event);
}

void QtBrowser::Load(const QUrl& url) {
  if (!PageCausedWork::Running()) page_->dialogs().ProgramNavigated();
  if (!holding_) {
    page_->setUrl(url);
    return;
  }
  // The leader may never load a page; the limit counts from the first page
  // held here.
  if (!held_) QTimer::singleShot(holdLimitMs_, this, &QtBrowser::EndHold);
  held_ = url;
}

void QtBrowser::EndHold() {
  if (leaderSurface_) leaderSurface_->removeEventFilter(this);
  leaderSurface_ = nullptr;
  if (!holding_) return;
  holding_ = false;
  if (hiddenWhileHeld_ && view_ && visibleAfterHold_) view_->show();
  hiddenWhileHeld_ = false;
  if (!held_) return;
  const QUrl url = *held_;
  held_.reset();
  page_->setUrl(url);
}
void QtBrowser::SetVisible(bool visible) {
  if (hiddenWhileHeld_) {
    visibleAfterHold_ = visible;
    return;
  }
  if (view_) view_->setVisible(visible);
}

// Both commands are reported at the first navigation, then on every change,
// so that the history buttons, enabled until the browser first reports,
// follow the history from the start.
void QtBrowser::ReportCommandState() {
  QWebEngineHistory* history = page_->history();
  const bool forward = history->canGoForward();
  const bool back = history->canGoBack();
  QPointer<QtBrowser> self(this);
  if (forward != canGoForward_) {
    canGoForward_ = forward;
    if (auto handler = events_.CommandStateChange) handler(CSC_NAVIGATEFORWARD, forward);
  }
  if (!self) return;
  if (back != canGoBack_) {
    canGoBack_ = back;
    if (auto handler = events_.CommandStateChange) handler(CSC_NAVIGATEBACK, back);
  }
}

void QtBrowser::LoadingChanged(const QWebEngineLoadingInfo& info) {
  if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
  const QByteArray key = NavigationKey(info.url());
  const bool ofReplay = replayed_ && NavigationKey(replayed_->url) == key;
  if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) {
    auto refused = std::find(refused_.begin(), refused_.end(), key);
    if (ofReplay && !replayed_->retried && replayed_->generation == generation_) {
      // The replay was stopped by what was left of its own refusal: that
      // refusal is over now, and the replay is made once more.
      replayed_->retried = true;
      if (refused != refused_.end()) refused_.erase(refused);
      approvedMain_ = key;
      const QUrl url = replayed_->url;
      const quint64 generation = generation_;
      QTimer::singleShot(0, this, [this, url, generation] {
        if (generation_ == generation) Load(url);
      });
      return;
    }
    // The stop of a navigation refused while the core is asked is no load.
    if (refused != refused_.end()) {
      refused_.erase(refused);
      return;
    }
  }
  if (ofReplay) replayed_.reset();
  committedIndex_ = page_->history()->currentItemIndex();
  QMetaObject::invokeMethod(this, &QtBrowser::LoadFinished, Qt::QueuedConnection);
}

void QtBrowser::LoadFinished() {
  QPointer<QtBrowser> self(this);
  page_->runJavaScript(QStringLiteral("document.characterSet"), [self](const QVariant& charset) {
    if (self && charset.isValid()) self->pageCharset_ = charset.toString().toLatin1();
  });
  ReportCommandState();
  if (!self) return;
  if (auto handler = events_.DownloadComplete) handler();
}

}  // namespace velmora::platform::qt
