#include "viewer/movie_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/codepage.h"
#include "platform/handlers.h"
#include "viewer/qt_media_player.h"
#include "viewer/win1250_text.h"
#include "windows/media_texts.h"

namespace velmora::platform::qt {

namespace texts = windows::media_texts;

namespace {

struct ButtonText {
  int number;
  const char* caption;
  const char* hint;
};

// In the bar's order, left to right; the close button goes to the right end.
constexpr ButtonText kButtons[] = {
    {4, texts::kMoviePlayCaption, texts::kMoviePlayHint},
    {2, texts::kMoviePauseCaption, texts::kMoviePauseHint},
    {3, texts::kMovieStopCaption, texts::kMovieStopHint},
    {1, texts::kMovieBackCaption, texts::kMovieBackHint},
    {6, texts::kMovieForwardCaption, texts::kMovieForwardHint},
    {5, texts::kMovieCloseCaption, texts::kMovieCloseHint},
};

}  // namespace

MovieWindow::MovieWindow(QWidget* parent)
    : MediaFrame(platform::names::kMovieForm, FromWin1250(texts::kMovieWindowCaption),
                 FromWin1250(texts::kMovieWindowName), parent),
      panel3_(new QWidget(PictureArea())),
      trackBar_(new TrackBar(Bar())) {
  panel3_->setFixedSize(texts::kDisplayWidth, texts::kDisplayHeight);
  panel3_->setAutoFillBackground(true);
  panel3_->setPalette(Black());

  trackBar_->setRange(1, 100);
  trackBar_->setValue(1);
  trackBar_->setAccessibleName(QString::fromUtf8("Położenie filmu"));

  auto* bar = new QHBoxLayout(Bar());
  bar->setContentsMargins(6, 4, 6, 4);
  bar->setSpacing(6);
  for (const ButtonText& text : kButtons) {
    auto* button = MakeBarButton(Bar(), text.caption, text.hint,
                                 text.number == 5 ? texts::kCloseName : nullptr);
    buttons_[text.number - 1] = button;
    const std::string handler = "LMDMMButton" + std::to_string(text.number) + "Click";
    connect(button, &QPushButton::clicked, this, [this, handler] { Raise(handler); });
    if (text.number == 5) {
      bar->addWidget(trackBar_, 1);
    }
    bar->addWidget(button);
  }

  connect(trackBar_, &TrackBar::pressed, this,
          [this](int position) { Raise("LMDTrackBarFilmowMouseDown", std::to_string(position)); });
  // The click (a release over the bar) comes before the mouse-up.
  connect(trackBar_, &TrackBar::released, this, [this](int position, bool over) {
    if (over) Raise("LMDTrackBarFilmowClick", std::to_string(position));
    Raise("LMDTrackBarFilmowMouseUp", std::to_string(position));
  });
  connect(PictureArea(), &ResizePanel::resized, this, [this](QSize size) {
    Raise("Panel2Resize", std::to_string(size.width()) + " " + std::to_string(size.height()));
  });
}

QVideoWidget* MovieWindow::Video() {
  if (!video_) {
    video_ = new QVideoWidget(panel3_);
    auto* fill = new QVBoxLayout(panel3_);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(video_);
    video_->setAutoFillBackground(true);
    video_->setPalette(panel3_->palette());
    video_->show();
  }
  return video_;
}

QPushButton* MovieWindow::Button(int number) const {
  return number >= 1 && number <= 6 ? buttons_[number - 1] : nullptr;
}

void MovieWindow::Register(QtUi& ui, QtMediaPlayers& players) {
  RegisterFrame(ui);
  RegisterControl(ui, "Panel1", Bar());
  RegisterControl(ui, "Panel2", PictureArea());
  RegisterControl(ui, "Panel3", panel3_);
  RegisterControl(ui, "LMDTrackBarFilmow", trackBar_);
  for (int number = 1; number <= 6; ++number) {
    RegisterControl(ui, "LMDMMButton" + std::to_string(number), buttons_[number - 1]);
  }
  players.RegisterDisplay(Qualified("Panel3"), [this] { return Video(); });
}

}  // namespace velmora::platform::qt
