#pragma once
// The film window (instance "MovieForm", caption "MovieShow") in the media
// frame. Above, the black Panel2 with the 350 x 300 display area Panel3 in
// its middle; below, the control bar Panel1 with the player buttons, the
// position bar (1 to 100) and the close button.

#include <QPointer>
#include <QPushButton>
#include <QVideoWidget>
#include <QWidget>
#include <utility>
#include <vector>

#include "viewer/media_frame.h"
#include "viewer/track_bar.h"
#include "windows/movie_form_controls.h"

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
  QPushButton* Button(windows::movie_form::ControlId id) const;
  QPushButton* CloseButton() const;

 private:
  // The position bar's press, click and release as the core's handlers.
  void ConnectTrackBar();

  QWidget* panel3_;
  QPointer<QVideoWidget> video_;
  TrackBar* trackBar_;
  // The bar's buttons in their order, by their descriptions.
  std::vector<std::pair<windows::movie_form::ControlId, QPushButton*>> buttons_;
};

}  // namespace velmora::platform::qt
