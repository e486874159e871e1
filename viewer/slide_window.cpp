#include "viewer/slide_window.h"

#include <QHBoxLayout>

#include "platform/codepage.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_ui.h"
#include "viewer/win1250_text.h"
#include "windows/media_texts.h"
#include "windows/slide_form_controls.h"

namespace velmora::platform::qt {

namespace texts = windows::media_texts;
namespace form = windows::slide_form;
using windows::Describe;

namespace {
constexpr windows::Geometry kLeastSize = Describe(form::Control(form::Description::kName)).geometry;
}  // namespace

SlideWindow::SlideWindow(QWidget* parent)
    : MediaFrame(platform::names::kSlideForm, QString::fromUtf8(form::Description::kName),
                 FromWin1250(texts::kSlideWindowName), parent,
                 QSize(kLeastSize.width, kLeastSize.height)),
      panel2_(new ResizePanel(Bar())),
      slideWebBrowser_(PictureArea()),
      opisWebBrowser_(panel2_) {
  slideWebBrowser_.view()->setAccessibleName(QStringLiteral("Slajd"));
  opisWebBrowser_.view()->setAccessibleName(QStringLiteral("Opis slajdu"));
  // A show always starts from its first slide and description.
  slideWebBrowser_.RenewPageWhenHidden();
  opisWebBrowser_.RenewPageWhenHidden();
  Keep(form::Control("Panel1"), PictureArea());
  Keep(form::Control("Panel2"), panel2_);
  Keep(form::Control("Panel5"), Bar());
  Keep(form::Control("SlideWebBrowser"), slideWebBrowser_.view());
  Keep(form::Control("OpisWebBrowser"), opisWebBrowser_.view());

  start_ = AddButton(form::Control("LMDMMButton4"), texts::kSlideStartHint);
  pause_ = AddButton(form::Control("LMDMMButton2"), texts::kSlidePauseHint);
  previous_ = AddButton(form::Control("LMDMMButton3"), texts::kSlidePreviousHint);
  next_ = AddButton(form::Control("LMDMMButton1"), texts::kSlideNextHint);
  close_ = AddButton(form::Control("LMDMMButton5"), texts::kSlideCloseHint, texts::kCloseName);
  BuildSettings();

  auto* bar = new QHBoxLayout(Bar());
  bar->setContentsMargins(6, 4, 6, 4);
  bar->setSpacing(6);
  for (QWidget* control : std::initializer_list<QWidget*>{start_, pause_, previous_, next_,
                                                          trackBar_, spin_, repeat_, music_}) {
    bar->addWidget(control);
  }
  bar->addWidget(panel2_, 1);
  bar->addWidget(close_);

  // The browsers are laid over their panels by the core at every resize.
  const std::string_view resize = form::Handler("FormResize").name;
  connect(PictureArea(), &ResizePanel::resized, this,
          [this, resize] { Raise(std::string(resize)); });
  connect(panel2_, &ResizePanel::resized, this, [this, resize] { Raise(std::string(resize)); });
}

QPushButton* SlideWindow::AddButton(form::ControlId id, const char* hint, const char* spoken) {
  const windows::Control& control = Describe(id);
  QPushButton* button = MakeBarButton(Bar(), std::string(control.caption).c_str(), hint, spoken);
  connect(button, &QPushButton::clicked, this,
          [this, id] { Raise(std::string(Describe(id).handler)); });
  Keep(id, button);
  return button;
}

void SlideWindow::BuildSettings() {
  const form::ControlId bar = form::Control("LMDTrackBarSlajdow");
  trackBar_ = new TrackBar(Bar());
  trackBar_->setRange(1, 1);
  trackBar_->setValue(1);
  trackBar_->setFixedWidth(Describe(bar).geometry.width);
  trackBar_->setToolTip(FromWin1250(texts::kSlideBarHint));
  trackBar_->setAccessibleName(FromWin1250(texts::kSlideBarHint));
  connect(trackBar_, &TrackBar::released, this, [this, bar](int position, bool over) {
    if (over) Raise(std::string(Describe(bar).handler), std::to_string(position));
  });
  Keep(bar, trackBar_);

  const form::ControlId delay = form::Control("LMDSpinEditCzasu");
  spin_ = new QSpinBox(Bar());
  spin_->setRange(texts::kDelayMinimum, texts::kDelayMaximum);
  spin_->setValue(texts::kDelayMinimum);
  spin_->setToolTip(FromWin1250(texts::kSlideDelayHint));
  spin_->setAccessibleName(FromWin1250(texts::kSlideDelayHint));
  connect(spin_, &QSpinBox::valueChanged, this, [this, delay](int seconds) {
    Raise(std::string(Describe(delay).handler), std::to_string(seconds));
  });
  Keep(delay, spin_);

  repeat_ = AddSwitch(form::Control("CheckBox1"), texts::kSlideRepeatHint, false);
  music_ = AddSwitch(form::Control("CheckBox2"), texts::kSlideMusicHint, true);
  for (QWidget* control : std::initializer_list<QWidget*>{spin_, repeat_, music_}) {
    control->setFocusPolicy(Qt::NoFocus);
  }
}

QCheckBox* SlideWindow::AddSwitch(form::ControlId id, const char* hint, bool checked) {
  auto* box = new QCheckBox(FromWin1250(std::string(Describe(id).caption)), Bar());
  box->setToolTip(FromWin1250(hint));
  box->setChecked(checked);
  connect(box, &QCheckBox::clicked, this,
          [this, id](bool on) { Raise(std::string(Describe(id).handler), on ? "1" : "0"); });
  Keep(id, box);
  return box;
}

void SlideWindow::Keep(form::ControlId id, QWidget* control) { named_.emplace_back(id, control); }

void SlideWindow::Register(QtUi& ui, QtBrowsers& browsers) {
  RegisterFrame(ui);
  for (const auto& [id, control] : named_) RegisterControl(ui, Name(id), control);
  browsers.Register(form::Qualified(form::Control("SlideWebBrowser")), slideWebBrowser_);
  browsers.Register(form::Qualified(form::Control("OpisWebBrowser")), opisWebBrowser_);
}

}  // namespace velmora::platform::qt
