#include "viewer/media_frame.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "viewer/media_keys.h"
#include "viewer/qt_ui.h"
#include "viewer/win1250_text.h"
#include "windows/media_texts.h"
#include "windows/movie_form_controls.h"
#include "windows/slide_form_controls.h"

namespace velmora::platform::qt {

namespace {
// The frame's own events, which both windows in it describe: a name either
// description lacks does not compile.
constexpr std::string_view kKeyDown = "FormKeyDown";
constexpr std::string_view kClose = "FormClose";
static_assert(windows::slide_form::Handler(kKeyDown).name ==
              windows::movie_form::Handler(kKeyDown).name);
static_assert(windows::slide_form::Handler(kClose).name ==
              windows::movie_form::Handler(kClose).name);
}  // namespace

MediaFrame::MediaFrame(const char* instance, const QString& title, const QString& spokenName,
                       QWidget* parent, QSize minimum)
    : QWidget(parent),
      instance_(instance),
      black_(palette()),
      picture_(new ResizePanel(this)),
      bar_(new ResizePanel(this)) {
  if (minimum.isValid()) setMinimumSize(minimum);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(title);
  setAccessibleName(spokenName);
  setAutoFillBackground(true);
  black_.setColor(QPalette::Window, Qt::black);
  setPalette(black_);
  setStyleSheet(MediaBarStyle());
  // Maximised and borderless, the window covers the screen; it is modal,
  // so its keys (Escape leaves it as its "X" does) are all it has.
  setWindowState(Qt::WindowMaximized);
  BindMediaKeys(*this, [this](const std::string& key) { Raise(std::string(kKeyDown), key); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(picture_, 1);
  layout->addWidget(bar_);
  bar_->setFixedHeight(windows::media_texts::kControlBarHeight);
}

void MediaFrame::Raise(const std::string& handler, const std::string& argument) {
  if (raise) raise(handler, argument);
}

std::string MediaFrame::Qualified(const std::string& name) const { return instance_ + "." + name; }

void MediaFrame::RegisterFrame(QtUi& ui) { ui.RegisterWindow(instance_, this); }

void MediaFrame::RegisterControl(QtUi& ui, const std::string& name, QWidget* control) {
  ui.RegisterControl(Qualified(name), control);
}

void MediaFrame::closeEvent(QCloseEvent* event) {
  Raise(std::string(kClose));
  event->accept();
}

QPushButton* MakeBarButton(QWidget* parent, const char* caption, const char* hint,
                           const char* spoken) {
  auto* button = new QPushButton(FromWin1250(caption), parent);
  button->setToolTip(FromWin1250(hint));
  button->setAccessibleName(FromWin1250(spoken ? spoken : hint));
  button->setFlat(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace velmora::platform::qt
