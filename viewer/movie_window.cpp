#include "viewer/movie_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/codepage.h"
#include "platform/handlers.h"
#include "viewer/qt_media_player.h"
#include "viewer/win1250_text.h"
#include "windows/media_texts.h"
#include "windows/movie_form_controls.h"

namespace velmora::platform::qt {

namespace texts = windows::media_texts;
namespace form = windows::movie_form;
using windows::Describe;

namespace {

// The tool-tips of the bar's buttons; the close button is spoken as
// "Zamknij".
struct ButtonHint {
  form::ControlId button;
  const char* hint;
};

constexpr ButtonHint kHints[] = {
    {form::Control("LMDMMButton4"), texts::kMoviePlayHint},
    {form::Control("LMDMMButton2"), texts::kMoviePauseHint},
    {form::Control("LMDMMButton3"), texts::kMovieStopHint},
    {form::Control("LMDMMButton1"), texts::kMovieBackHint},
    {form::Control("LMDMMButton6"), texts::kMovieForwardHint},
    {form::Control("LMDMMButton5"), texts::kMovieCloseHint},
};
constexpr form::ControlId kCloseButton = form::Control("LMDMMButton5");

std::string HandlerOf(form::ControlId id) { return std::string(Describe(id).handler); }

}  // namespace

MovieWindow::MovieWindow(QWidget* parent)
    : MediaFrame(
          platform::names::kMovieForm,
          FromWin1250(std::string(Describe(form::Control(form::Description::kName)).caption)),
          FromWin1250(texts::kMovieWindowName), parent),
      panel3_(new QWidget(PictureArea())),
      trackBar_(new TrackBar(Bar())) {
  const windows::Geometry& display = Describe(form::Control("Panel3")).geometry;
  panel3_->setFixedSize(display.width, display.height);
  panel3_->setAutoFillBackground(true);
  panel3_->setPalette(Black());

  trackBar_->setRange(1, 100);
  trackBar_->setValue(1);
  trackBar_->setAccessibleName(QString::fromUtf8("Położenie filmu"));

  auto* bar = new QHBoxLayout(Bar());
  bar->setContentsMargins(6, 4, 6, 4);
  bar->setSpacing(6);
  for (const ButtonHint& text : kHints) {
    const std::string caption(Describe(text.button).caption);
    auto* button = MakeBarButton(Bar(), caption.c_str(), text.hint,
                                 text.button == kCloseButton ? texts::kCloseName : nullptr);
    buttons_.emplace_back(text.button, button);
    const std::string handler = HandlerOf(text.button);
    connect(button, &QPushButton::clicked, this, [this, handler] { Raise(handler); });
    if (text.button == kCloseButton) bar->addWidget(trackBar_, 1);
    bar->addWidget(button);
  }
  ConnectTrackBar();
  const std::string resize = HandlerOf(form::Control("Panel2"));
  connect(PictureArea(), &ResizePanel::resized, this, [this, resize](QSize size) {
    Raise(resize, std::to_string(size.width()) + " " + std::to_string(size.height()));
  });
}

void MovieWindow::ConnectTrackBar() {
  const std::string down(form::Handler("LMDTrackBarFilmowMouseDown").name);
  const std::string click = HandlerOf(form::Control("LMDTrackBarFilmow"));
  const std::string up(form::Handler("LMDTrackBarFilmowMouseUp").name);
  connect(trackBar_, &TrackBar::pressed, this,
          [this, down](int position) { Raise(down, std::to_string(position)); });
  // The click (a release over the bar) comes before the mouse-up.
  connect(trackBar_, &TrackBar::released, this, [this, click, up](int position, bool over) {
    if (over) Raise(click, std::to_string(position));
    Raise(up, std::to_string(position));
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

QPushButton* MovieWindow::Button(form::ControlId id) const {
  for (const auto& [described, button] : buttons_) {
    if (described == id) return button;
  }
  return nullptr;
}

QPushButton* MovieWindow::CloseButton() const { return Button(kCloseButton); }

void MovieWindow::Register(QtUi& ui, QtMediaPlayers& players) {
  RegisterFrame(ui);
  RegisterControl(ui, Name(form::Control("Panel1")), Bar());
  RegisterControl(ui, Name(form::Control("Panel2")), PictureArea());
  RegisterControl(ui, Name(form::Control("Panel3")), panel3_);
  RegisterControl(ui, Name(form::Control("LMDTrackBarFilmow")), trackBar_);
  for (const auto& [id, button] : buttons_) RegisterControl(ui, Name(id), button);
  players.RegisterDisplay(form::Qualified(form::Control("Panel3")), [this] { return Video(); });
}

}  // namespace velmora::platform::qt
