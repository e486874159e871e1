#include "viewer/hand_off_gate.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <deque>
#include <optional>

#include "viewer/desktop_hand_off.h"

namespace velmora::platform::qt {
namespace {

qint64 Now() {
  static QElapsedTimer clock = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  return clock.elapsed();
}

struct UserInput {
  const QObject* view = nullptr;
  qint64 at = 0;
  quint64 stamp = 0;
  bool taken = false;
};

std::optional<UserInput>& LastInput() {
  static std::optional<UserInput> input;
  return input;
}

std::deque<qint64>& HandOffTimes() {
  static std::deque<qint64> times;
  return times;
}

RefusalLog& Refusals() {
  static RefusalLog refusals;
  return refusals;
}

NavigationBeingAsked*& Innermost() {
  static NavigationBeingAsked* innermost = nullptr;
  return innermost;
}

bool IsActivation(const QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) return true;
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return !key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                  key->key() == Qt::Key_Space);
}

// Notes the real input given to a view, and watches each widget the engine
// adds to it (the page is drawn into a child that takes the input).
class UserInputWatch : public QObject {
 public:
  explicit UserInputWatch(QWidget* view) : QObject(view), view_(view) {
    view->installEventFilter(this);
    for (QObject* child : view->children()) {
      if (child != this) child->installEventFilter(this);
    }
  }
  ~UserInputWatch() override {
    if (LastInput() && LastInput()->view == view_) LastInput().reset();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == view_ && event->type() == QEvent::ChildAdded) {
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (child != this) child->installEventFilter(this);
    } else if (IsActivation(event)) {
      // An event the child ignores reaches the view too: one input.
      const quint64 stamp = static_cast<QInputEvent*>(event)->timestamp();
      std::optional<UserInput>& last = LastInput();
      if (!last || last->view != view_ || last->stamp != stamp || stamp == 0) {
        last = UserInput{view_, Now(), stamp, false};
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* view_;
};

bool TakeUserInput(const QWidget* view) {
  std::optional<UserInput>& last = LastInput();
  if (!last || last->taken || last->view != view || Now() - last->at > kUserInputMs) return false;
  last->taken = true;
  return true;
}

bool WithinLimit() {
  std::deque<qint64>& times = HandOffTimes();
  while (!times.empty() && Now() - times.front() >= kHandOffWindowMs) times.pop_front();
  return times.size() < static_cast<std::size_t>(kMaxHandOffs);
}

QString NotByClick(const char* what) {
  return QStringLiteral("not started by a click on a link: %1").arg(QLatin1String(what));
}

}  // namespace

void WatchUserInput(QWidget* view) { new UserInputWatch(view); }

QString NavigationNotByUser(QWebEnginePage::NavigationType type, const QWidget* view) {
  switch (type) {
    case QWebEnginePage::NavigationTypeLinkClicked:
      if (TakeUserInput(view)) return {};
      return NotByClick("no click or key just before it (a script's navigation)");
    case QWebEnginePage::NavigationTypeFormSubmitted:
      return NotByClick("a form submission");
    case QWebEnginePage::NavigationTypeRedirect:
      return NotByClick("a redirect or refresh");
    case QWebEnginePage::NavigationTypeBackForward:
      return NotByClick("a step in the history");
    case QWebEnginePage::NavigationTypeReload:
      return NotByClick("a reload");
    case QWebEnginePage::NavigationTypeTyped:
    case QWebEnginePage::NavigationTypeOther:
      break;
  }
  return NotByClick("a frame, object or script load");
}

QString NewWindowNotByUser(bool userInitiated, const QWidget* view) {
  if (userInitiated && TakeUserInput(view)) return {};
  return NotByClick("a window a script opened");
}

NavigationBeingAsked::NavigationBeingAsked(QString notByUser)
    : notByUser_(std::move(notByUser)), outer_(Innermost()) {
  Innermost() = this;
}

NavigationBeingAsked::~NavigationBeingAsked() { Innermost() = outer_; }

bool HandOffIfAllowed(const QUrl& url) {
  NavigationBeingAsked* asked = Innermost();
  QString reason;
  if (asked && !asked->notByUser_.isEmpty()) {
    reason = asked->notByUser_;
  } else if (asked && asked->handedOff_) {
    reason = QStringLiteral("a click hands one address over, no more");
  } else if (!WithinLimit()) {
    reason = QStringLiteral("more than %1 addresses in %2 s")
                 .arg(kMaxHandOffs)
                 .arg(kHandOffWindowMs / 1000);
  }
  if (!reason.isEmpty()) {
    Refusals().Add(url, reason);
    return false;
  }
  if (asked) asked->handedOff_ = true;
  HandOffTimes().push_back(Now());
  HandOffToDesktop(url);
  return true;
}

std::vector<RefusedHandOff> RefusedHandOffs() { return Refusals().Kept(); }

void ClearRefusedHandOffs() { Refusals().Clear(); }

}  // namespace velmora::platform::qt
