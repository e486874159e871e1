#include "platform/qt/slide_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/codepage.h"
#include "platform/qt/media_keys.h"
#include "platform/qt/qt_browsers.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/win1250_text.h"
#include "windows/media_texts.h"

namespace velmora::platform::qt {

namespace texts = windows::media_texts;

namespace {

// A caption that is a sign is spoken as the tool-tip says it.
QPushButton* MakeButton(QWidget* parent, const char* caption, const char* hint,
                        const char* spoken = nullptr) {
  auto* button = new QPushButton(FromWin1250(caption), parent);
  button->setToolTip(FromWin1250(hint));
  button->setAccessibleName(FromWin1250(spoken ? spoken : hint));
  button->setFlat(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

SlideWindow::SlideWindow(QWidget* parent)
    : QWidget(parent),
      panel1_(new ResizePanel(this)),
      panel5_(new ResizePanel(this)),
      panel2_(new ResizePanel(panel5_)),
      slideWebBrowser_(panel1_),
      opisWebBrowser_(panel2_) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("SlideForm"));
  setAccessibleName(FromWin1250(texts::kSlideWindowName));
  setMinimumSize(600, 400);
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setStyleSheet(MediaBarStyle());
  // Maximised and borderless, the window covers the screen; it is modal,
  // so its keys (Escape leaves it as its "X" does) are all it has.
  setWindowState(Qt::WindowMaximized);
  BindMediaKeys(*this, [this](const std::string& key) { Raise("FormKeyDown", key); });

  slideWebBrowser_.view()->setAccessibleName(QStringLiteral("Slajd"));
  opisWebBrowser_.view()->setAccessibleName(QStringLiteral("Opis slajdu"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel1_, 1);
  layout->addWidget(panel5_);
  panel5_->setFixedHeight(texts::kControlBarHeight);

  start_ = MakeButton(panel5_, texts::kSlideStartCaption, texts::kSlideStartHint);
  pause_ = MakeButton(panel5_, texts::kSlidePauseCaption, texts::kSlidePauseHint);
  previous_ = MakeButton(panel5_, texts::kSlidePreviousCaption, texts::kSlidePreviousHint);
  next_ = MakeButton(panel5_, texts::kSlideNextCaption, texts::kSlideNextHint);
  close_ =
      MakeButton(panel5_, texts::kSlideCloseCaption, texts::kSlideCloseHint, texts::kCloseName);
  trackBar_ = new TrackBar(panel5_);
  trackBar_->setRange(1, 1);
  trackBar_->setValue(1);
  trackBar_->setFixedWidth(160);
  trackBar_->setToolTip(FromWin1250(texts::kSlideBarHint));
  trackBar_->setAccessibleName(FromWin1250(texts::kSlideBarHint));
  spin_ = new QSpinBox(panel5_);
  spin_->setRange(texts::kDelayMinimum, texts::kDelayMaximum);
  spin_->setValue(texts::kDelayMinimum);
  spin_->setToolTip(FromWin1250(texts::kSlideDelayHint));
  spin_->setAccessibleName(FromWin1250(texts::kSlideDelayHint));
  repeat_ = new QCheckBox(FromWin1250(texts::kSlideRepeatCaption), panel5_);
  repeat_->setToolTip(FromWin1250(texts::kSlideRepeatHint));
  repeat_->setChecked(false);
  music_ = new QCheckBox(FromWin1250(texts::kSlideMusicCaption), panel5_);
  music_->setToolTip(FromWin1250(texts::kSlideMusicHint));
  music_->setChecked(true);
  for (QWidget* control : std::initializer_list<QWidget*>{spin_, repeat_, music_}) {
    control->setFocusPolicy(Qt::NoFocus);
  }

  auto* bar = new QHBoxLayout(panel5_);
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
  connect(panel1_, &ResizePanel::resized, this, [this] { Raise("FormResize"); });
  connect(panel2_, &ResizePanel::resized, this, [this] { Raise("FormResize"); });
}

void SlideWindow::Raise(const std::string& handler, const std::string& argument) {
  if (raise) raise(handler, argument);
}

void SlideWindow::Register(QtUi& ui, QtBrowsers& browsers) {
  ui.RegisterWindow("SlideForm", this);
  ui.RegisterControl("SlideForm.Panel1", panel1_);
  ui.RegisterControl("SlideForm.Panel2", panel2_);
  ui.RegisterControl("SlideForm.Panel5", panel5_);
  ui.RegisterControl("SlideForm.SlideWebBrowser", slideWebBrowser_.view());
  ui.RegisterControl("SlideForm.OpisWebBrowser", opisWebBrowser_.view());
  ui.RegisterControl("SlideForm.LMDMMButton4", start_);
  ui.RegisterControl("SlideForm.LMDMMButton2", pause_);
  ui.RegisterControl("SlideForm.LMDMMButton3", previous_);
  ui.RegisterControl("SlideForm.LMDMMButton1", next_);
  ui.RegisterControl("SlideForm.LMDMMButton5", close_);
  ui.RegisterControl("SlideForm.LMDTrackBarSlajdow", trackBar_);
  ui.RegisterControl("SlideForm.LMDSpinEditCzasu", spin_);
  ui.RegisterControl("SlideForm.CheckBox1", repeat_);
  ui.RegisterControl("SlideForm.CheckBox2", music_);
  browsers.Register("SlideForm.SlideWebBrowser", slideWebBrowser_);
  browsers.Register("SlideForm.OpisWebBrowser", opisWebBrowser_);
}

void SlideWindow::closeEvent(QCloseEvent* event) {
  Raise("FormClose");
  event->accept();
}

}  // namespace velmora::platform::qt
