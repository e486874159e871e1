#include "platform/qt/qt_main_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeySequence>
#include <QShortcut>

#include "platform/qt/accessible_controls.h"
#include "platform/qt/exit_open_dialog.h"
#include "platform/qt/find_bar.h"
#include "platform/qt/main_window_style.h"
#include "platform/qt/page_zoom.h"
#include "platform/qt/qt_browsers.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/unknown_handler.h"

namespace velmora::platform::qt {

QtMainWindow::QtMainWindow()
    : mainWebBrowser_(this), menuWebBrowser_(this), titleWebBrowser_(this) {
  InstallAccessibleControls();
  setObjectName(QStringLiteral("MainForm"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Velmora"));
  // Closing it ends the program, also while a page's dialog shows.
  MarkAsExit(*this);
  setMinimumSize(785, 568);
  setFont(style::DefaultFont());
  setStyleSheet(style::SpeedButtonSheet());
  style::Paint(*this, style::kFormColor);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(BuildMainArea(), 0, 0);
  layout->addWidget(BuildRightBar(), 0, 1);
  layout->addWidget(BuildBottomBar(), 1, 0, 1, 2);
  layout->setColumnStretch(0, 1);
  layout->setRowStretch(0, 1);
  BuildShortcuts();
  NameForReaders();
  // The start page first: the menu and the title strip are asked for
  // earlier but matter less to the eye.
  menuWebBrowser_.LoadAfterFirstPageOf(mainWebBrowser_);
  titleWebBrowser_.LoadAfterFirstPageOf(mainWebBrowser_);
}

QtMainWindow::~QtMainWindow() = default;

QWidget* QtMainWindow::Add(const std::string& name, QWidget* control) {
  control->setObjectName(QString::fromStdString(name));
  controls_[name] = control;
  return control;
}

QWidget* QtMainWindow::Control(const std::string& name) const {
  auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

void QtMainWindow::Register(QtUi& ui, QtBrowsers& browsers) {
  ui.RegisterWindow("MainForm", this);
  for (const auto& [name, control] : controls_) ui.RegisterControl(name, control);
  ui.RegisterGroup("CategoryButtons", categoryButtons_);
  browsers.Register(platform::names::kMainWebBrowser, mainWebBrowser_);
  browsers.Register(platform::names::kMenuWebBrowser, menuWebBrowser_);
  browsers.Register(platform::names::kTitleWebBrowser, titleWebBrowser_);
}

void QtMainWindow::ReplaceTreeView(QWidget* tree, QtUi& ui) {
  QWidget* placeholder = Control("TreeViewCD");
  tree->setParent(mainArea_);
  tree->setVisible(placeholder != nullptr && placeholder->isVisible());
  Add("TreeViewCD", tree);
  ui.RegisterControl("TreeViewCD", tree);
  delete placeholder;
}

void QtMainWindow::SetHandlers(platform::HandlerTable handlers) { handlers_ = std::move(handlers); }

void QtMainWindow::Raise(const std::string& handler, const std::string& argument) {
  // Before the core is connected (the window is sized while it starts up)
  // there is no one to tell; the core lays out what it needs itself then.
  if (handlers_.empty()) return;
  const std::string name = platform::HandlerName(platform::names::kMainForm, handler);
  if (!platform::RaiseHandler(handlers_, name, argument)) ReportUnknownHandler(name);
}

void QtMainWindow::ClickIfEnabled(const std::string& button, const char* handler) {
  QWidget* control = Control(button);
  if (control == nullptr || !control->isEnabled() || !control->isVisible()) return;
  Raise(handler);
}

void QtMainWindow::BuildShortcuts() {
  auto bind = [this](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  bind(QKeySequence::Find, [this] {
    if (mainWebBrowser_.view()->isVisible()) findBar_->Open();
  });
  bind(QKeySequence(Qt::ALT | Qt::Key_Left),
       [this] { ClickIfEnabled("LMDSpeedButton27", "Button8Click"); });
  bind(QKeySequence(Qt::ALT | Qt::Key_Right),
       [this] { ClickIfEnabled("LMDSpeedButton28", "Button9Click"); });
  // F6 leaves a page (or the tree) for the next stop at once, where Tab
  // would first go through every link.
  bind(QKeySequence(Qt::Key_F6), [this] { focusNextPrevChild(true); });
  bind(QKeySequence(Qt::SHIFT | Qt::Key_F6), [this] { focusNextPrevChild(false); });
  bind(QKeySequence::ZoomIn, [this] { zoom_->ZoomIn(); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoom_->ZoomIn(); });
  bind(QKeySequence::ZoomOut, [this] { zoom_->ZoomOut(); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoom_->Reset(); });
}

void QtMainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Raise("FormResize");
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  // The shut-down runs once, however often the window is asked to close
  // while the closing animation runs.
  if (!closeRan_) {
    closeRan_ = true;
    Raise("FormClose");
  }
  event->accept();
}

}  // namespace velmora::platform::qt
