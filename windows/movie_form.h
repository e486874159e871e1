#pragma once
// The film window: plays one AVI film in a fixed 350 x 300 display area,
// with start, pause, stop, back, forward and close buttons and a position
// bar (1 to 100, percent of the length) that follows the film once a second
// and can be dragged to seek. Created once and hidden between films.

#include <string>

#include "platform/handlers.h"
#include "platform/platform.h"

namespace velmora::windows {

class TMovieForm {
 public:
  explicit TMovieForm(platform::Platform& platform);
  TMovieForm(const TMovieForm&) = delete;
  TMovieForm& operator=(const TMovieForm&) = delete;

  // The settings the window is created with; run where the program entry
  // creates it, after the slide-show window.
  void FormCreate();

  // Runs FormShow and keeps the window on screen until it is closed. A film
  // the player cannot open or play is reported and the window not shown.
  void ShowModal();

  void UpdateFilmBar();

  // Event handlers.
  void FormShow();
  void FormClose();
  void LMDMMButton1Click();  // "|<" back
  void LMDMMButton2Click();  // "||" pause
  void LMDMMButton3Click();  // "[]" stop
  void LMDMMButton4Click();  // ">" start
  void LMDMMButton5Click();  // "X" close
  void LMDMMButton6Click();  // ">|" forward
  void LMDTrackBarFilmowClick();
  void LMDTrackBarFilmowMouseDown();
  void LMDTrackBarFilmowMouseUp();
  void Timer1Timer();
  // A key of the window: "space" pauses a playing film and starts any
  // other, "left" and "right" step as "|<" and ">|" do, "escape" closes.
  void FormKeyDown(const std::string& key);
  // Keeps the display area centred in Panel2 of the given size.
  void Panel2Resize(int width, int height);

  // The bar's position as the user left it, kept within 1 and 100.
  void SetTrackBarPosition(int position);
  int TrackBarPosition() const { return trackBarPosition_; }

  // Handlers reachable from a replay script or the Qt window, by name. The
  // bar's events take the bar position the user left it at (optional);
  // Panel2Resize takes "WIDTH HEIGHT", FormKeyDown the key's name.
  void RegisterHandlers(platform::HandlerTable& handlers);

  platform::MediaPlayer& MediaPlayer1;
  platform::Timer& Timer1;

 private:
  // Play, or say that the film cannot be played; false then.
  bool PlayOrReport();
  void ReportUnplayable();

  platform::Ui& ui_;
  int trackBarPosition_ = 1;
  bool unplayable_ = false;
};

}  // namespace velmora::windows
