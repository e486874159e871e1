#pragma once
// The film window (instance "MovieForm", caption "MovieShow") in the media
// frame. Above, the black Panel2 with the 350 x 300 display area Panel3 in
// its middle; below, the control bar Panel1 with the player buttons, the
// position bar (1 to 100) and the close button.

#include <QPointer>
#include <QPushButton>
#include <QVideoWidget>
#include <QWidget>

#include "viewer/media_frame.h"
#include "viewer/track_bar.h"

namespace velmora::platform::qt {

class QtMediaPlayers;
class QtUi;

class MovieWindow : public MediaFrame {
  Q_OBJECT
 public:
  explicit MovieWindow(QWidget* parent = nullptr);

  void Register(QtUi& ui, QtMediaPlayers& players);

  // The display area; the video widget inside it is made when a film first
  // needs it, as setting up video output is slow and most sessions show no
  // film.
  QWidget* Panel3() const { return panel3_; }
  QVideoWidget* Video();
  QWidget* Panel2() const { return PictureArea(); }
  TrackBar* TrackBarFilmow() const { return trackBar_; }
  QPushButton* Button(int number) const;

 private:
  QWidget* panel3_;
  QPointer<QVideoWidget> video_;
  TrackBar* trackBar_;
  QPushButton* buttons_[6] = {};
};

}  // namespace velmora::platform::qt
