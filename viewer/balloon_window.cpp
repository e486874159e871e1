#include "viewer/balloon_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include "windows/chmurka_form.h"
#include "windows/chmurka_form_controls.h"

namespace velmora::platform::qt {

namespace form = windows::chmurka_form;

namespace {

// The client area a new balloon starts with, before the core places it.
constexpr int kInitialWidth = 352;
constexpr int kInitialHeight = 216;

// How often and how far apart a new balloon asks for the keyboard.
constexpr int kActivationTries = 20;
constexpr int kActivationRetryMs = 50;

}  // namespace

BalloonWindow::BalloonWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      panel1_(new QWidget(this)),
      label1_(new QLabel(panel1_)),
      closeButton_(new QToolButton(panel1_)),
      browser_(this) {
  resize(kInitialWidth, kInitialHeight);

  panel1_->setObjectName(QString::fromUtf8(windows::Describe(form::Control("Panel1")).name));
  panel1_->setAutoFillBackground(true);
  QPalette strip = panel1_->palette();
  strip.setColor(QPalette::Window, QColor(0x2E, 0x5E, 0x3A));
  strip.setColor(QPalette::WindowText, Qt::white);
  panel1_->setPalette(strip);
  panel1_->installEventFilter(this);

  QFont bold = label1_->font();
  bold.setBold(true);
  bold.setPixelSize(13);
  label1_->setFont(bold);
  label1_->move(6, 4);
  // Presses on the label drag the window like the rest of the strip.
  label1_->setAttribute(Qt::WA_TransparentForMouseEvents);

  closeButton_->setAutoRaise(true);
  closeButton_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  // It closes the balloon, not the program.
  closeButton_->setToolTip(QStringLiteral("Zamknij"));
  closeButton_->setAccessibleName(QStringLiteral("Zamknij"));
  const windows::Geometry& close = windows::Describe(form::Control("LMDSpeedButton30")).geometry;
  closeButton_->setFixedSize(close.width, close.height);
  connect(closeButton_, &QToolButton::clicked, this, [this] {
    if (onCloseClicked) onCloseClicked();
  });

  // Escape closes the balloon as its button does.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, [this] {
    if (onCloseClicked) onCloseClicked();
  });
  browser_.view()->setAccessibleName(QStringLiteral("Objaśnienie"));
  // Every opening sends the balloon a new page.
  browser_.RenewPageWhenHidden();

  browser_.view()->setGeometry(0, windows::kTitleStripHeight, width(),
                               height() - windows::kTitleStripHeight);
  panel1_->setGeometry(0, 0, width(), windows::kTitleStripHeight);
  closeButton_->move(width() - closeButton_->width() - 1, 1);
}

void BalloonWindow::Register(const std::string& name, QtUi& ui, QtBrowsers& browsers) {
  using form::Control;
  using form::Qualified;
  ui.RegisterWindow(name, this);
  ui.RegisterControl(Qualified(name, Control("Panel1")), panel1_);
  ui.RegisterControl(Qualified(name, Control("Label1")), label1_);
  ui.RegisterControl(Qualified(name, Control("LMDSpeedButton30")), closeButton_);
  ui.RegisterControl(Qualified(name, Control("CppWebBrowser")), browser_.view());
  browsers.Register(Qualified(name, Control("CppWebBrowser")), browser_);
}

void BalloonWindow::Connect(windows::TChmurkaForm& form) {
  onStripPressed = [&form] { form.Panel1MouseDown(); };
  onStripMoved = [&form](bool leftButtonHeld) { form.Panel1MouseMove(leftButtonHeld); };
  onCloseClicked = [&form] { form.LMDSpeedButton30Click(); };
  onClose = [&form] { form.FormClose(); };
  onResize = [&form] { form.FormResize(); };
}

bool BalloonWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel1_) {
    if (event->type() == QEvent::MouseButtonPress) {
      if (onStripPressed) onStripPressed();
      return true;
    }
    if (event->type() == QEvent::MouseMove) {
      const auto* move = static_cast<QMouseEvent*>(event);
      if (onStripMoved) onStripMoved(move->buttons().testFlag(Qt::LeftButton));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void BalloonWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The keyboard follows the reader to the new balloon, so that Escape and
  // the window manager's close key close it and not the main window.
  activationTries_ = kActivationTries;
  TakeTheKeyboard();
}

void BalloonWindow::TakeTheKeyboard() {
  if (!isVisible() || isActiveWindow() || activationTries_ <= 0) return;
  --activationTries_;
  activateWindow();
  // A window manager still taking the new window on may refuse; asked again.
  QTimer::singleShot(kActivationRetryMs, this, [this] { TakeTheKeyboard(); });
}

void BalloonWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // And goes back to the window the balloon came from.
  if (parentWidget() != nullptr && QApplication::activeWindow() == nullptr) {
    parentWidget()->activateWindow();
  }
}

void BalloonWindow::closeEvent(QCloseEvent* event) {
  // Closing only hides: the page history and the place stay for the next show.
  if (onClose) onClose();
  event->accept();
}

void BalloonWindow::resizeEvent(QResizeEvent* event) {
  panel1_->setGeometry(0, 0, width(), windows::kTitleStripHeight);
  closeButton_->move(width() - closeButton_->width() - 1, 1);
  // The browser keeps its margins (a pushed-out scroll bar stays pushed out).
  QWidget* view = browser_.view();
  const QSize grown = event->size() - event->oldSize();
  if (event->oldSize().isValid()) view->resize(view->size() + grown);
  if (onResize) onResize();
}

}  // namespace velmora::platform::qt
