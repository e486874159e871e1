#pragma once
// The slide-show window (instance "SlideForm") in the media frame, at least
// 600 x 400. Above, Panel1 with the slide browser; below, the control bar
// Panel5 with the player buttons, the position bar, the delay, the
// "powtarzaj" and "muzyka" switches, the description strip (a second browser
// in Panel2) and the close button.

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <utility>
#include <vector>

#include "viewer/media_frame.h"
#include "viewer/qt_browser.h"
#include "viewer/track_bar.h"
#include "windows/slide_form_controls.h"

namespace velmora::platform::qt {

class QtBrowsers;
class QtUi;

class SlideWindow : public MediaFrame {
  Q_OBJECT
 public:
  explicit SlideWindow(QWidget* parent = nullptr);

  // Makes the window, its controls and browsers known by their names.
  void Register(QtUi& ui, QtBrowsers& browsers);

  QtBrowser& SlideWebBrowser() { return slideWebBrowser_; }
  QtBrowser& OpisWebBrowser() { return opisWebBrowser_; }
  QPushButton* StartButton() const { return start_; }
  QPushButton* PauseButton() const { return pause_; }
  QPushButton* PreviousButton() const { return previous_; }
  QPushButton* NextButton() const { return next_; }
  QPushButton* CloseButton() const { return close_; }
  TrackBar* TrackBarSlajdow() const { return trackBar_; }
  QSpinBox* SpinEditCzasu() const { return spin_; }
  QCheckBox* RepeatBox() const { return repeat_; }
  QCheckBox* MusicBox() const { return music_; }

 private:
  // A bar button with the described caption, raising the described handler.
  QPushButton* AddButton(windows::slide_form::ControlId id, const char* hint,
                         const char* spoken = nullptr);
  QCheckBox* AddSwitch(windows::slide_form::ControlId id, const char* hint, bool checked);
  // The position bar, the delay and the two switches.
  void BuildSettings();
  // Registered by its described name in Register.
  void Keep(windows::slide_form::ControlId id, QWidget* control);

  std::vector<std::pair<windows::slide_form::ControlId, QWidget*>> named_;
  ResizePanel* panel2_;
  QtBrowser slideWebBrowser_;
  QtBrowser opisWebBrowser_;
  QPushButton* start_ = nullptr;
  QPushButton* pause_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  TrackBar* trackBar_ = nullptr;
  QSpinBox* spin_ = nullptr;
  QCheckBox* repeat_ = nullptr;
  QCheckBox* music_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace velmora::platform::qt
