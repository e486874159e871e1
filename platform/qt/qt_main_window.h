#pragma once
// The main window: borderless and maximised, the main browser filling it.
// The button bars, menu panel and title strip join it later.

#include <QWidget>
#include <functional>

#include "platform/qt/qt_browser.h"

namespace velmora::platform::qt {

class QtMainWindow : public QWidget {
  Q_OBJECT
 public:
  QtMainWindow();

  QtBrowser& MainWebBrowser() { return mainWebBrowser_; }

  // Called when the user closes the window, before it goes.
  std::function<void()> onClose;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QtBrowser mainWebBrowser_;
};

}  // namespace velmora::platform::qt
