#pragma once
// The film window (instance "MovieForm", caption "MovieShow"): borderless
// and maximised. Above, the black Panel2 with the 350 x 300 display area
// Panel3 in its middle; below, the 46-pixel control bar Panel1 with the
// player buttons, the position bar (1 to 100) and the close button. What
// the user does is raised as the core's handlers by name.

#include <QPointer>
#include <QPushButton>
#include <QVideoWidget>
#include <QWidget>
#include <functional>
#include <string>

#include "viewer/track_bar.h"

namespace velmora::platform::qt {

class QtMediaPlayers;
class QtUi;

class MovieWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MovieWindow(QWidget* parent = nullptr);

  void Register(QtUi& ui, QtMediaPlayers& players);

  // Raises a handler of the core's film window ("LMDMMButton4Click").
  std::function<void(const std::string& handler, const std::string& argument)> raise;

  // The display area; the video widget inside it is made when a film first
  // needs it, as setting up video output is slow and most sessions show no
  // film.
  QWidget* Panel3() const { return panel3_; }
  QVideoWidget* Video();
  QWidget* Panel2() const { return panel2_; }
  QWidget* ControlBar() const { return panel1_; }
  TrackBar* TrackBarFilmow() const { return trackBar_; }
  QPushButton* Button(int number) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Raise(const std::string& handler, const std::string& argument = {});

  ResizePanel* panel2_;
  QWidget* panel3_;
  QPointer<QVideoWidget> video_;
  ResizePanel* panel1_;
  TrackBar* trackBar_;
  QPushButton* buttons_[6] = {};
};

}  // namespace velmora::platform::qt
