#include "platform/qt/movie_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/codepage.h"
#include "platform/qt/media_keys.h"
#include "platform/qt/qt_media_player.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/win1250_text.h"
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
    : QWidget(parent),
      panel2_(new ResizePanel(this)),
      panel3_(new QWidget(panel2_)),
      panel1_(new ResizePanel(this)),
      trackBar_(new TrackBar(panel1_)) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(FromWin1250(texts::kMovieWindowCaption));
  setAccessibleName(FromWin1250(texts::kMovieWindowName));
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setStyleSheet(MediaBarStyle());
  // Maximised and borderless, the window covers the screen; it is modal,
  // so its keys (Escape leaves it as its "X" does) are all it has.
  setWindowState(Qt::WindowMaximized);
  BindMediaKeys(*this, [this](const std::string& key) { Raise("FormKeyDown", key); });

  panel3_->setFixedSize(texts::kDisplayWidth, texts::kDisplayHeight);
  panel3_->setAutoFillBackground(true);
  panel3_->setPalette(black);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel2_, 1);
  layout->addWidget(panel1_);
  panel1_->setFixedHeight(texts::kControlBarHeight);

  trackBar_->setRange(1, 100);
  trackBar_->setValue(1);
  trackBar_->setAccessibleName(QString::fromUtf8("Położenie filmu"));

  auto* bar = new QHBoxLayout(panel1_);
  bar->setContentsMargins(6, 4, 6, 4);
  bar->setSpacing(6);
  for (const ButtonText& text : kButtons) {
    auto* button = new QPushButton(FromWin1250(text.caption), panel1_);
    button->setToolTip(FromWin1250(text.hint));
    button->setAccessibleName(FromWin1250(text.number == 5 ? texts::kCloseName : text.hint));
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
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
  connect(panel2_, &ResizePanel::resized, this, [this](QSize size) {
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

void MovieWindow::Raise(const std::string& handler, const std::string& argument) {
  if (raise) raise(handler, argument);
}

void MovieWindow::Register(QtUi& ui, QtMediaPlayers& players) {
  ui.RegisterWindow("MovieForm", this);
  ui.RegisterControl("MovieForm.Panel1", panel1_);
  ui.RegisterControl("MovieForm.Panel2", panel2_);
  ui.RegisterControl("MovieForm.Panel3", panel3_);
  ui.RegisterControl("MovieForm.LMDTrackBarFilmow", trackBar_);
  for (int number = 1; number <= 6; ++number) {
    ui.RegisterControl("MovieForm.LMDMMButton" + std::to_string(number), buttons_[number - 1]);
  }
  players.RegisterDisplay("MovieForm.Panel3", [this] { return Video(); });
}

void MovieWindow::closeEvent(QCloseEvent* event) {
  Raise("FormClose");
  event->accept();
}

}  // namespace velmora::platform::qt
