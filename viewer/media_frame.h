#pragma once
// The frame the film and slide windows share: a borderless, maximised,
// black window split into a stretching picture area above and the 46-pixel
// control bar below. What the user does is raised as the core's handlers by
// name; the window registers itself and its controls as "<instance>.<name>".

#include <QPalette>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "viewer/track_bar.h"

class QPushButton;

namespace velmora::platform::qt {

class QtUi;

class MediaFrame : public QWidget {
  Q_OBJECT
 public:
  // Raises a handler of the core's window ("ToolButton4Click").
  std::function<void(const std::string& handler, const std::string& argument)> raise;

  QWidget* ControlBar() const { return bar_; }

 protected:
  // minimum: the window's least size, if it has one. It is set before any
  // child: a browser view inside creates the native window, and limits set
  // after that go to the window system (an offscreen screen warns of each).
  MediaFrame(const char* instance, const QString& title, const QString& spokenName, QWidget* parent,
             QSize minimum = {});

  ResizePanel* PictureArea() const { return picture_; }
  ResizePanel* Bar() const { return bar_; }
  const QPalette& Black() const { return black_; }

  void Raise(const std::string& handler, const std::string& argument = {});
  void RegisterFrame(QtUi& ui);
  void RegisterControl(QtUi& ui, const std::string& name, QWidget* control);
  std::string Qualified(const std::string& name) const;

  void closeEvent(QCloseEvent* event) override;

 private:
  std::string instance_;
  QPalette black_;
  ResizePanel* picture_;
  ResizePanel* bar_;
};

// A flat bar button that takes no focus; a caption that is a sign is spoken
// as the tool-tip says it.
QPushButton* MakeBarButton(QWidget* parent, const char* caption, const char* hint,
                           const char* spoken = nullptr);

}  // namespace velmora::platform::qt
