#include "viewer/shutdown_signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace velmora::platform::qt {

namespace {

// The handler's end and the loop's end of the self-pipe.
int signalEnds[2] = {-1, -1};

// Windows that will not close are passed over after this many.
constexpr int kMaxWindowsClosed = 20;
// While the start-up runs, how often a request looks again.
constexpr int kStartupRetryMs = 50;

#ifdef Q_OS_UNIX
void OnSignal(int number) {
  // Only what is safe in a signal handler: one write, errno kept.
  const int saved = errno;
  const char byte = static_cast<char>(number);
  [[maybe_unused]] const ssize_t written = ::write(signalEnds[0], &byte, 1);
  errno = saved;
}
#endif

// A modal window, or a dialog (message boxes are shown without modality but
// wait for their answer all the same).
QWidget* WindowInTheWay(const QWidget* mainWindow) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != mainWindow) return modal;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<QDialog*>(window) && window->isVisible()) return window;
  }
  return nullptr;
}

}  // namespace

bool ShutdownSignals::Catch() {
#ifdef Q_OS_UNIX
  if (signalEnds[0] >= 0) return true;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalEnds) != 0) {
    return false;
  }
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  // The second signal of a kind takes the default way: a viewer stuck in
  // its shut-down can still be ended.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  bool caught = true;
  for (int number : {SIGINT, SIGTERM, SIGHUP}) {
    caught = ::sigaction(number, &action, nullptr) == 0 && caught;
  }
  return caught;
#else
  return false;
#endif
}

ShutdownSignals::ShutdownSignals() {
#ifdef Q_OS_UNIX
  if (signalEnds[1] < 0) return;
  auto* notifier = new QSocketNotifier(signalEnds[1], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
    char bytes[16];
    while (::read(signalEnds[1], bytes, sizeof bytes) > 0) {
    }
    // One shut-down, however many signals came.
    notifier->setEnabled(false);
    requested_ = true;
    Answer();
  });
#endif
}

void ShutdownSignals::MessageLoopRuns() {
  loopRuns_ = true;
  // Queued: a request that came during the start-up is answered from the
  // loop itself.
  if (requested_) QTimer::singleShot(0, this, [this] { Answer(); });
}

void ShutdownSignals::Answer() {
  if (!requested_) return;
  if (windowsClosed_ < kMaxWindowsClosed) {
    // A message box or modal window runs a loop of its own: the main
    // window's close runs once that loop has returned.
    if (QWidget* blocking = WindowInTheWay(mainWindow_)) {
      ++windowsClosed_;
      if (auto* dialog = qobject_cast<QDialog*>(blocking)) {
        dialog->reject();
      } else {
        blocking->close();
      }
      QTimer::singleShot(0, this, [this] { Answer(); });
      return;
    }
  }
  if (!loopRuns_ || !mainWindow_) {
    // The start-up may still show a box; MessageLoopRuns answers otherwise.
    QTimer::singleShot(kStartupRetryMs, this, [this] {
      if (!loopRuns_) Answer();
    });
    return;
  }
  requested_ = false;
  // As the user's close: the application ends with its last window.
  mainWindow_->close();
}

}  // namespace velmora::platform::qt
