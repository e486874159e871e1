#pragma once
// SIGINT, SIGTERM and SIGHUP (Ctrl+C, the session ending, kill) end the
// viewer as closing its main window does: the closing program runs, the
// working directory and its lock go, and the status is 0. A second signal of
// the same kind ends the process at once.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace velmora::platform::qt {

class ShutdownSignals : public QObject {
 public:
  // Catches the signals from now on; what they ask waits for an object
  // below. Call after the broker is forked (it keeps the default handlers)
  // and before any thread starts. False when they cannot be caught (they
  // then end the process as usual).
  static bool Catch();

  // Made after the application object: answers caught signals, also those
  // caught before. Any modal window or dialog in the way (the disc chooser,
  // a message box of the start-up) is closed at once; the main window once
  // the message loop runs, so that the start-up is never cut in the middle.
  ShutdownSignals();
  // The window whose close ends the program, once made.
  void SetMainWindow(QWidget& mainWindow) { mainWindow_ = &mainWindow; }
  // Right before the message loop starts.
  void MessageLoopRuns();

 private:
  void Answer();

  QPointer<QWidget> mainWindow_;
  bool requested_ = false;
  bool loopRuns_ = false;
  int windowsClosed_ = 0;
};

}  // namespace velmora::platform::qt
