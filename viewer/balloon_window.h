#pragma once
// The balloon window on Qt: frameless and on top of the main window, a
// 25-pixel title strip with the label and a close button, and its own
// browser below. The strip's mouse events, the close button and closing go
// to the core's TChmurkaForm; the core places the window and the browser.
// A shown balloon takes the keyboard; Escape closes it.

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>

#include "viewer/qt_browser.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_ui.h"

namespace velmora::windows {
class TChmurkaForm;
}

namespace velmora::platform::qt {

class BalloonWindow : public QWidget {
  Q_OBJECT
 public:
  explicit BalloonWindow(QWidget* parent = nullptr);

  // Makes the window, its controls and its browser known under the
  // instance name ("DictionaryBalloon", "DictionaryBalloon.Label1", ...).
  void Register(const std::string& name, QtUi& ui, QtBrowsers& browsers);
  // Sends the window's events to the core's balloon.
  void Connect(windows::TChmurkaForm& form);

  QtBrowser& CppWebBrowser() { return browser_; }
  QWidget* Panel1() const { return panel1_; }
  QLabel* Label1() const { return label1_; }
  QToolButton* LMDSpeedButton30() const { return closeButton_; }

  std::function<void()> onStripPressed;
  std::function<void(bool leftButtonHeld)> onStripMoved;
  std::function<void()> onCloseClicked;
  std::function<void()> onClose;
  std::function<void()> onResize;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void TakeTheKeyboard();

  QWidget* panel1_;
  QLabel* label1_;
  QToolButton* closeButton_;
  QtBrowser browser_;
  int activationTries_ = 0;
};

}  // namespace velmora::platform::qt
