#pragma once
// The embedded browser on QtWebEngine. Every navigation, the program's own
// included, is offered to the core's BeforeNavigate2 before it loads. The
// core's handlers never run inside the engine's own callbacks: navigations
// the engine asks about are refused there, the core is asked on the next
// turn of the event loop, and a navigation it lets proceed is replayed as
// pre-approved. Page events are delivered queued for the same reason.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <deque>
#include <optional>

#include "platform/browser.h"
#include "viewer/page_dialogs.h"

namespace velmora::platform::qt {

// Dots per inch of printing. The engine hands each page over as a picture at
// the printer's resolution: 300 keeps text sharp, where the printer's full
// resolution makes pictures of hundreds of megabytes a page.
inline constexpr int kPrintResolution = 300;

class QtBrowser;

class GuardedPage : public QWebEnginePage {
  Q_OBJECT
 public:
  GuardedPage(QtBrowser& browser, QObject* parent);

  PageDialogs& dialogs() { return dialogs_; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  void javaScriptAlert(const QUrl& origin, const QString& text) override;
  bool javaScriptConfirm(const QUrl& origin, const QString& text) override;
  bool javaScriptPrompt(const QUrl& origin, const QString& text, const QString& value,
                        QString* result) override;

 private:
  QtBrowser& browser_;
  PageDialogs dialogs_;
};

class QtBrowser : public QObject, public Browser {
  Q_OBJECT
 public:
  explicit QtBrowser(QWidget* parent = nullptr);
  ~QtBrowser() override;

  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void SetVisible(bool visible) override;
  int QueryStatusWB(int command) override;
  void ExecWB(int command, int option) override;
  void SetEvents(BrowserEvents events) override;

  // This browser's pages load only once `leader` has loaded its first page
  // and shown it (its first paint afterwards, or kShownAfterMs), or
  // `limitMs` after the first one was asked for. At start-up every page
  // shares one renderer, and the leader's is the one the user waits for.
  // Only the last page asked for meanwhile is loaded. The browser stays off
  // the screen until then. Later, a page asked for while the leader loads
  // waits the same way (at most kLaterPageHoldLimitMs), on screen: the
  // title strip's page is asked for halfway through the main page's load.
  void LoadAfterPagesOf(QtBrowser& leader, int limitMs = kFirstPageHoldLimitMs);
  static constexpr int kFirstPageHoldLimitMs = 3000;
  static constexpr int kLaterPageHoldLimitMs = 1000;
  static constexpr int kShownAfterMs = 100;

  // Once the view's window has been closed, its page is given back and a
  // fresh one takes its place: the renderer lets go of the document and its
  // pictures. For windows that are sent a new page whenever they open
  // (balloons, slide show).
  void RenewPageWhenHidden();
  static constexpr int kRenewRetryMs = 1000;

  QWebEngineView* view() const { return view_; }
  GuardedPage* page() const { return page_; }
  // Character set of the document on screen, used to decode its links.
  QByteArray pageCharset() const { return pageCharset_; }

 private:
  friend class GuardedPage;

  struct PendingNavigation {
    QUrl url;
    QWebEnginePage::NavigationType type;
    bool isMainFrame;
    // Why it may hand no address to the desktop; empty when the user
    // started it (hand_off_gate.h).
    QString notByUser;
  };

  GuardedPage* MakePage();
  void RenewPageLater(quint64 generation);
  void RenewPageIfHidden();
  bool AcceptNavigation(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
  void AskCore(const PendingNavigation& navigation);
  void Replay(const PendingNavigation& navigation);
  bool RaiseBeforeNavigate(const std::string& address);
  void StepHistory(int offset);
  void GoToHistoryEntry(const QUrl& url);
  // `asked` is the address the engine asked about, `url` the one to load.
  void ReplayIntoFrame(const QUrl& asked, const QUrl& url);
  void ReportCommandState();
  void LoadingChanged(const QWebEngineLoadingInfo& info);
  void LoadFinished();
  // Loads the address now, or when the hold ends.
  void Load(const QUrl& url);
  void HoldWhileLeaderLoads();
  void EndHold();
  // Ends the hold at the leader's next paint.
  void EndHoldWhenShown(QtBrowser& leader);
  bool eventFilter(QObject* watched, QEvent* event) override;

  QPointer<QWebEngineView> view_;
  GuardedPage* page_ = nullptr;
  BrowserEvents events_;
  // Main-frame navigation we started ourselves; the engine lets it through.
  std::optional<QByteArray> approvedMain_;
  std::deque<QByteArray> approvedFrames_;
  // Main-frame navigations refused until the core has answered.
  std::deque<QByteArray> refused_;
  // The last main-frame navigation replayed after the core let it proceed.
  // The engine's handling of the refusal before it may still abort it; it
  // is then replayed once more, as long as nothing navigated since.
  struct Replayed {
    QUrl url;
    quint64 generation = 0;
    bool retried = false;
  };
  std::optional<Replayed> replayed_;
  int committedIndex_ = 0;
  // Counts navigations started on this browser, so a replay is dropped when
  // the core navigated elsewhere meanwhile.
  quint64 generation_ = 0;
  QByteArray pageCharset_;
  bool holding_ = false;
  // Only the first hold keeps the browser off the screen.
  bool hiddenWhileHeld_ = false;
  bool visibleAfterHold_ = true;
  int holdLimitMs_ = 0;
  std::optional<QUrl> held_;
  QPointer<QObject> leaderSurface_;  // watched for its paint while held
  // What CommandStateChange last reported; nothing before the first load.
  std::optional<bool> canGoBack_;
  std::optional<bool> canGoForward_;
};

}  // namespace velmora::platform::qt
