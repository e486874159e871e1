#pragma once
// The viewer's own windows on Qt: the main window and the two notice
// windows, registered under the names the core uses ("MainForm",
// "LoadingForm", "CzekajForm" and every control and browser of the main
// window). Shared by the program entry and the GUI tests.

#include "app/application.h"
#include "platform/qt/loading_window.h"
#include "platform/qt/qt_browsers.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/wait_window.h"

namespace velmora::platform::qt {

class QtViewer {
 public:
  QtViewer(QtUi& ui, QtBrowsers& browsers);

  // Wires the main window's controls to the started core.
  void Connect(app::Application& application);

  QtMainWindow& MainWindow() { return mainWindow_; }
  LoadingWindow& Loading() { return loading_; }
  WaitWindow& Wait() { return wait_; }

 private:
  QtMainWindow mainWindow_;
  LoadingWindow loading_;
  WaitWindow wait_;
};

}  // namespace velmora::platform::qt
