#include "windows/movie_form.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

#include "windows/handler_arguments.h"
#include "windows/media_texts.h"
#include "windows/movie_form_controls.h"

namespace velmora::windows {

namespace texts = media_texts;
using movie_form::Control;
using movie_form::Handler;
using movie_form::Qualified;

namespace {
constexpr int kBarMinimum = 1;
constexpr int kBarMaximum = 100;

// What the platform calls the window and the controls the core changes.
const std::string kWindow(movie_form::Description::kName);
const std::string kTrackBar = Qualified(Control("LMDTrackBarFilmow"));
const std::string kDisplay = Qualified(Control("Panel3"));
}  // namespace

TMovieForm::TMovieForm(platform::Platform& platform)
    : MediaPlayer1(platform.players.Get(Qualified(Control("MediaPlayer1")))),
      Timer1(platform.timers.Get(Qualified(Control("Timer1")))),
      ui_(platform.ui) {
  Timer1.SetHandler([this] { Timer1Timer(); });
}

void TMovieForm::FormCreate() {
  MediaPlayer1.SetDisplay(kDisplay);
  Timer1.SetInterval(1000);
}

void TMovieForm::ShowModal() {
  FormShow();
  if (unplayable_) return;
  ui_.ShowModal(kWindow);
}

void TMovieForm::ReportUnplayable() {
  ui_.MessageBox(texts::kMovieCannotPlay + MediaPlayer1.FileName(), texts::kMovieCaption,
                 platform::Icon::Stop);
}

bool TMovieForm::PlayOrReport() {
  if (MediaPlayer1.Play()) return true;
  ReportUnplayable();
  return false;
}

void TMovieForm::FormShow() {
  SetTrackBarPosition(kBarMinimum);
  unplayable_ = !MediaPlayer1.Open();
  if (unplayable_) {
    ReportUnplayable();
    return;
  }
  unplayable_ = !PlayOrReport();
  if (unplayable_) return;
  Timer1.SetEnabled(true);
}

void TMovieForm::FormClose() {
  MediaPlayer1.Stop();
  Timer1.SetEnabled(false);
}

void TMovieForm::UpdateFilmBar() {
  // A length the player does not know (0) leaves the bar at its start.
  const std::int64_t length = MediaPlayer1.Length();
  if (length <= 0) {
    SetTrackBarPosition(kBarMinimum);
    return;
  }
  const std::int64_t percent = MediaPlayer1.Position() * 100 / length;
  SetTrackBarPosition(
      static_cast<int>(std::clamp<std::int64_t>(percent, kBarMinimum, kBarMaximum)));
}

void TMovieForm::Timer1Timer() {
  if (MediaPlayer1.Mode() == platform::MediaMode::Playing) UpdateFilmBar();
  if (MediaPlayer1.Mode() == platform::MediaMode::Stopped) {
    SetTrackBarPosition(kBarMinimum);
    MediaPlayer1.Rewind();
    Timer1.SetEnabled(false);
  }
}

void TMovieForm::LMDMMButton4Click() {
  if (!PlayOrReport()) return;
  Timer1.SetEnabled(true);
}

void TMovieForm::FormKeyDown(const std::string& key) {
  if (key == "space") {
    if (MediaPlayer1.Mode() == platform::MediaMode::Playing) {
      LMDMMButton2Click();
    } else {
      LMDMMButton4Click();
    }
  } else if (key == "left") {
    LMDMMButton1Click();
  } else if (key == "right") {
    LMDMMButton6Click();
  } else if (key == "escape") {
    LMDMMButton5Click();
  }
}

void TMovieForm::LMDMMButton2Click() {
  MediaPlayer1.Stop();
  Timer1.SetEnabled(false);
}

void TMovieForm::LMDMMButton3Click() {
  MediaPlayer1.Stop();
  Timer1.SetEnabled(false);
  MediaPlayer1.Rewind();
}

void TMovieForm::LMDMMButton1Click() {
  MediaPlayer1.Back();
  PlayOrReport();
  UpdateFilmBar();
}

void TMovieForm::LMDMMButton6Click() {
  MediaPlayer1.Step();
  PlayOrReport();
  UpdateFilmBar();
}

void TMovieForm::LMDMMButton5Click() { ui_.CloseWindow(kWindow); }

void TMovieForm::LMDTrackBarFilmowMouseDown() {
  // The timer would move the bar while the user drags it.
  MediaPlayer1.Stop();
  Timer1.SetEnabled(false);
}

void TMovieForm::LMDTrackBarFilmowClick() {
  // Whole hundredths of the length: the division comes first.
  MediaPlayer1.Seek(MediaPlayer1.Length() / 100 * trackBarPosition_);
}

void TMovieForm::LMDTrackBarFilmowMouseUp() {
  if (!PlayOrReport()) return;
  Timer1.SetEnabled(true);
}

void TMovieForm::Panel2Resize(int width, int height) {
  ui_.MoveControl(kDisplay, (width - texts::kDisplayWidth) / 2,
                  (height - texts::kDisplayHeight) / 2);
}

void TMovieForm::SetTrackBarPosition(int position) {
  trackBarPosition_ = std::clamp(position, kBarMinimum, kBarMaximum);
  ui_.SetPosition(kTrackBar, trackBarPosition_);
}

void TMovieForm::RegisterHandlers(platform::HandlerTable& handlers) {
  auto on = windows::Registrar<movie_form::Description>(handlers);
  on(Handler("FormShow"), [this](const std::string&) { FormShow(); });
  on(Handler("FormClose"), [this](const std::string&) { FormClose(); });
  on(Handler("LMDMMButton1Click"), [this](const std::string&) { LMDMMButton1Click(); });
  on(Handler("LMDMMButton2Click"), [this](const std::string&) { LMDMMButton2Click(); });
  on(Handler("LMDMMButton3Click"), [this](const std::string&) { LMDMMButton3Click(); });
  on(Handler("LMDMMButton4Click"), [this](const std::string&) { LMDMMButton4Click(); });
  on(Handler("LMDMMButton5Click"), [this](const std::string&) { LMDMMButton5Click(); });
  on(Handler("LMDMMButton6Click"), [this](const std::string&) { LMDMMButton6Click(); });
  auto withBar = [this](void (TMovieForm::*event)()) {
    return [this, event](const std::string& argument) {
      if (const auto position = IntegerArgument(argument)) SetTrackBarPosition(*position);
      (this->*event)();
    };
  };
  on(Handler("LMDTrackBarFilmowMouseDown"), withBar(&TMovieForm::LMDTrackBarFilmowMouseDown));
  on(Handler("LMDTrackBarFilmowClick"), withBar(&TMovieForm::LMDTrackBarFilmowClick));
  on(Handler("LMDTrackBarFilmowMouseUp"), withBar(&TMovieForm::LMDTrackBarFilmowMouseUp));
  on(Handler("Timer1Timer"), [this](const std::string&) {
    if (Timer1.Enabled()) Timer1Timer();
  });
  on(Handler("FormKeyDown"), [this](const std::string& key) { FormKeyDown(key); });
  on(Handler("Panel2Resize"), [this](const std::string& argument) {
    std::istringstream in(argument);
    int width = 0;
    int height = 0;
    if (in >> width >> height) Panel2Resize(width, height);
  });
}

}  // namespace velmora::windows
