#pragma once
// SIGINT, SIGTERM and SIGHUP (Ctrl+C, the session ending, kill) end the
// viewer as closing its main window does: the closing program runs, the
// working directory and its lock go, and the status is 0. A second signal of
// the same kind ends the process at once.

class QWidget;

namespace velmora::platform::qt {

// Catches the signals from now on; their requests wait until
// CloseOnShutdownSignals is called. Call after the broker is forked (it
// keeps the default handlers) and before start-up. False when the signals
// cannot be caught (they then end the process as usual).
bool CatchShutdownSignals();

// From the message loop on, a caught signal closes `mainWindow`, after
// closing any modal window in its way, and ends the loop. A signal caught
// before is answered as soon as the loop runs.
void CloseOnShutdownSignals(QWidget& mainWindow);

}  // namespace velmora::platform::qt
