#include "platform/qt/shutdown_signals.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace velmora::platform::qt {

#ifdef Q_OS_UNIX
namespace {

// The handler's end and the loop's end of the self-pipe.
int signalEnds[2] = {-1, -1};

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A modal window left open after this many turns is passed over.
constexpr int kModalTries = 20;

void OnSignal(int number) {
  // Only what is safe in a signal handler: one write, errno kept.
  const int saved = errno;
  const char byte = static_cast<char>(number);
  [[maybe_unused]] const ssize_t written = ::write(signalEnds[0], &byte, 1);
  errno = saved;
}

void CloseAfterModals(const QPointer<QWidget>& window, int triesLeft) {
  if (!window) return;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != window && triesLeft > 0) {
    // A message box or modal window runs a loop of its own: once it has
    // returned, the main window's close runs outside it.
    modal->close();
    QTimer::singleShot(0, window, [window, triesLeft] { CloseAfterModals(window, triesLeft - 1); });
    return;
  }
  window->close();
  // A balloon left open must not keep the program alive.
  if (!window->isVisible()) QCoreApplication::quit();
}

}  // namespace

bool CatchShutdownSignals() {
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
  for (int number : kSignals) caught = ::sigaction(number, &action, nullptr) == 0 && caught;
  return caught;
}

void CloseOnShutdownSignals(QWidget& mainWindow) {
  if (signalEnds[1] < 0) return;
  auto* notifier = new QSocketNotifier(signalEnds[1], QSocketNotifier::Read, &mainWindow);
  QPointer<QWidget> window(&mainWindow);
  QObject::connect(notifier, &QSocketNotifier::activated, &mainWindow, [notifier, window] {
    char bytes[16];
    while (::read(signalEnds[1], bytes, sizeof bytes) > 0) {
    }
    // One shut-down, however many signals came.
    notifier->setEnabled(false);
    CloseAfterModals(window, kModalTries);
  });
}

#else

bool CatchShutdownSignals() { return false; }
void CloseOnShutdownSignals(QWidget&) {}

#endif

}  // namespace velmora::platform::qt
