#include "viewer/slide_window.h"

#include <QHBoxLayout>

#include "platform/codepage.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_ui.h"
#include "viewer/win1250_text.h"
#include "windows/media_texts.h"

namespace velmora::platform::qt {

namespace texts = windows::media_texts;

SlideWindow::SlideWindow(QWidget* parent)
    : MediaFrame("SlideForm", QStringLiteral("SlideForm"), FromWin1250(texts::kSlideWindowName),
                 parent, QSize(600, 400)),
      panel2_(new ResizePanel(Bar())),
      slideWebBrowser_(PictureArea()),
      opisWebBrowser_(panel2_) {
  slideWebBrowser_.view()->setAccessibleName(QStringLiteral("Slajd"));
  opisWebBrowser_.view()->setAccessibleName(QStringLiteral("Opis slajdu"));

  start_ = MakeBarButton(Bar(), texts::kSlideStartCaption, texts::kSlideStartHint);
  pause_ = MakeBarButton(Bar(), texts::kSlidePauseCaption, texts::kSlidePauseHint);
  previous_ = MakeBarButton(Bar(), texts::kSlidePreviousCaption, texts::kSlidePreviousHint);
  next_ = MakeBarButton(Bar(), texts::kSlideNextCaption, texts::kSlideNextHint);
  close_ =
      MakeBarButton(Bar(), texts::kSlideCloseCaption, texts::kSlideCloseHint, texts::kCloseName);
  trackBar_ = new TrackBar(Bar());
  trackBar_->setRange(1, 1);
  trackBar_->setValue(1);
  trackBar_->setFixedWidth(160);
  trackBar_->setToolTip(FromWin1250(texts::kSlideBarHint));
  trackBar_->setAccessibleName(FromWin1250(texts::kSlideBarHint));
  spin_ = new QSpinBox(Bar());
  spin_->setRange(texts::kDelayMinimum, texts::kDelayMaximum);
  spin_->setValue(texts::kDelayMinimum);
  spin_->setToolTip(FromWin1250(texts::kSlideDelayHint));
  spin_->setAccessibleName(FromWin1250(texts::kSlideDelayHint));
  repeat_ = new QCheckBox(FromWin1250(texts::kSlideRepeatCaption), Bar());
  repeat_->setToolTip(FromWin1250(texts::kSlideRepeatHint));
  repeat_->setChecked(false);
  music_ = new QCheckBox(FromWin1250(texts::kSlideMusicCaption), Bar());
  music_->setToolTip(FromWin1250(texts::kSlideMusicHint));
  music_->setChecked(true);
  for (QWidget* control : std::initializer_list<QWidget*>{spin_, repeat_, music_}) {
    control->setFocusPolicy(Qt::NoFocus);
  }

  auto* bar = new QHBoxLayout(Bar());
  bar->setContentsMargins(6, 4, 6, 4);
  bar->setSpacing(6);
  for (QWidget* control : std::initializer_list<QWidget*>{start_, pause_, previous_, next_,
                                                          trackBar_, spin_, repeat_, music_}) {
    bar->addWidget(control);
  }
  bar->addWidget(panel2_, 1);
  bar->addWidget(close_);

  connect(start_, &QPushButton::clicked, this, [this] { Raise("ToolButton1Click"); });
  connect(pause_, &QPushButton::clicked, this, [this] { Raise("ToolButton2Click"); });
  connect(previous_, &QPushButton::clicked, this, [this] { Raise("ToolButton3Click"); });
  connect(next_, &QPushButton::clicked, this, [this] { Raise("ToolButton4Click"); });
  connect(close_, &QPushButton::clicked, this, [this] { Raise("LMDMMButton5Click"); });
  connect(trackBar_, &TrackBar::released, this, [this](int position, bool over) {
    if (over) Raise("LMDTrackBarSlajdowClick", std::to_string(position));
  });
  connect(spin_, &QSpinBox::valueChanged, this,
          [this](int seconds) { Raise("LMDSpinEditCzasuChange", std::to_string(seconds)); });
  connect(repeat_, &QCheckBox::clicked, this,
          [this](bool checked) { Raise("CheckBox1Click", checked ? "1" : "0"); });
  connect(music_, &QCheckBox::clicked, this,
          [this](bool checked) { Raise("CheckBox2Click", checked ? "1" : "0"); });
  // The browsers are laid over their panels by the core at every resize.
  connect(PictureArea(), &ResizePanel::resized, this, [this] { Raise("FormResize"); });
  connect(panel2_, &ResizePanel::resized, this, [this] { Raise("FormResize"); });
}

void SlideWindow::Register(QtUi& ui, QtBrowsers& browsers) {
  RegisterFrame(ui);
  RegisterControl(ui, "Panel1", PictureArea());
  RegisterControl(ui, "Panel2", panel2_);
  RegisterControl(ui, "Panel5", Bar());
  RegisterControl(ui, "SlideWebBrowser", slideWebBrowser_.view());
  RegisterControl(ui, "OpisWebBrowser", opisWebBrowser_.view());
  RegisterControl(ui, "LMDMMButton4", start_);
  RegisterControl(ui, "LMDMMButton2", pause_);
  RegisterControl(ui, "LMDMMButton3", previous_);
  RegisterControl(ui, "LMDMMButton1", next_);
  RegisterControl(ui, "LMDMMButton5", close_);
  RegisterControl(ui, "LMDTrackBarSlajdow", trackBar_);
  RegisterControl(ui, "LMDSpinEditCzasu", spin_);
  RegisterControl(ui, "CheckBox1", repeat_);
  RegisterControl(ui, "CheckBox2", music_);
  browsers.Register(Qualified("SlideWebBrowser"), slideWebBrowser_);
  browsers.Register(Qualified("OpisWebBrowser"), opisWebBrowser_);
}

}  // namespace velmora::platform::qt
