#include "viewer/qt_main_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeySequence>
#include <QShortcut>

#include "viewer/accessible_controls.h"
#include "viewer/exit_open_dialog.h"
#include "viewer/find_bar.h"
#include "viewer/main_window_style.h"
#include "viewer/page_zoom.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_ui.h"
#include "viewer/unknown_handler.h"
#include "viewer/win1250_text.h"

namespace velmora::platform::qt {

namespace form = app::main_form;

QtMainWindow::QtMainWindow()
    : mainWebBrowser_(this), menuWebBrowser_(this), titleWebBrowser_(this) {
  InstallAccessibleControls();
  setObjectName(QString::fromUtf8(form::Description::kName));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  const std::string_view caption =
      windows::Describe(form::Control(form::Description::kName)).caption;
  setWindowTitle(FromWin1250(std::string(caption)));
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
  // The main page first: the menu and the title strip are asked for
  // earlier or meanwhile but matter less to the eye.
  menuWebBrowser_.LoadAfterPagesOf(mainWebBrowser_);
  titleWebBrowser_.LoadAfterPagesOf(mainWebBrowser_);
}

QtMainWindow::~QtMainWindow() = default;

QWidget* QtMainWindow::Add(form::ControlId id, QWidget* control) {
  const std::string name = Name(id);
  control->setObjectName(QString::fromStdString(name));
  controls_[name] = control;
  return control;
}

QWidget* QtMainWindow::Control(const std::string& name) const {
  auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

QWidget* QtMainWindow::Control(form::ControlId id) const { return Control(Name(id)); }

void QtMainWindow::Register(QtUi& ui, QtBrowsers& browsers) {
  ui.RegisterWindow(std::string(form::Description::kName), this);
  for (const auto& [name, control] : controls_) ui.RegisterControl(name, control);
  ui.RegisterGroup(std::string(form::Description::kTopicGroup), categoryButtons_);
  browsers.Register(platform::names::kMainWebBrowser, mainWebBrowser_);
  browsers.Register(platform::names::kMenuWebBrowser, menuWebBrowser_);
  browsers.Register(platform::names::kTitleWebBrowser, titleWebBrowser_);
}

void QtMainWindow::ReplaceTreeView(QWidget* tree, QtUi& ui) {
  const form::ControlId treeId = form::Control("TreeViewCD");
  QWidget* placeholder = Control(treeId);
  tree->setParent(mainArea_);
  tree->setVisible(placeholder != nullptr && placeholder->isVisible());
  Add(treeId, tree);
  ui.RegisterControl(Name(treeId), tree);
  delete placeholder;
}

void QtMainWindow::SetHandlers(platform::HandlerTable handlers) { handlers_ = std::move(handlers); }

void QtMainWindow::Raise(std::string_view handler, const std::string& argument) {
  // Before the core is connected (the window is sized while it starts up)
  // there is no one to tell; the core lays out what it needs itself then.
  if (handlers_.empty()) return;
  const std::string name =
      platform::HandlerName(std::string(form::Description::kName), std::string(handler));
  if (!platform::RaiseHandler(handlers_, name, argument)) ReportUnknownHandler(name);
}

void QtMainWindow::ClickIfEnabled(form::ControlId button) {
  QWidget* control = Control(button);
  if (control == nullptr || !control->isEnabled() || !control->isVisible()) return;
  Raise(windows::Describe(button).handler);
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
       [this] { ClickIfEnabled(form::Control("LMDSpeedButton27")); });
  bind(QKeySequence(Qt::ALT | Qt::Key_Right),
       [this] { ClickIfEnabled(form::Control("LMDSpeedButton28")); });
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
  Raise(form::Handler("FormResize"));
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  // The shut-down runs once, however often the window is asked to close
  // while the closing animation runs.
  if (!closeRan_) {
    closeRan_ = true;
    Raise(form::Handler("FormClose"));
  }
  event->accept();
}

}  // namespace velmora::platform::qt
