#pragma once
// The Qt side of a viewer process: what has to be set before the
// application object exists, and every service of the core's platform.

#include <QUrl>
#include <string>

#include "platform/native_file_system.h"
#include "platform/platform.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_media_player.h"
#include "viewer/qt_system.h"
#include "viewer/qt_timers.h"
#include "viewer/qt_ui.h"

namespace velmora::platform::qt {

// Before QApplication: X11 through XWayland in a Wayland session, the
// engine's flags (its diagnostics off unless `verbose`), shared GL contexts
// for the engine, fractional screen scales kept as they are.
void PrepareApplication(bool verbose = false);

// The Polish message for an outside address nothing on the desktop took
// (Windows-1250).
std::string UnopenedAddressMessage(const QUrl& url);

// Made after QApplication; the core receives `platform`, references to the
// others.
struct QtPlatform {
  // The engine's requests resolve letter case through `files`.
  QtPlatform();
  ~QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  QtUi ui;
  QtBrowsers browsers;
  NativeFileSystem files;
  QtProcesses processes;
  QtShell shell;
  QtSettingsStore settings;
  QtClock clock;
  QtMediaPlayers players;
  QtTimers timers;
  Platform platform{ui, browsers, files, processes, shell, settings, clock, players, timers};
};

}  // namespace velmora::platform::qt
