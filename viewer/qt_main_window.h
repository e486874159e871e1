#pragma once
// The main window (instance "MainForm"): borderless and maximised, the main
// area Panel1 (5-pixel strip, title strip, MainWebBrowser, logos), the right
// bar Panel3 (minimise, close, topic buttons, menu panel) and the bottom bar
// Panel2 (page buttons, search box, history buttons). Every control carries
// its form name; its events raise the core's handlers by name.
//
// The contents tree belongs in MainArea(): the widget registered as
// "TreeViewCD" there fills the area like the browser, and starts as an empty
// placeholder until the tree view replaces it (ReplaceTreeView).

#include <QWidget>
#include <map>
#include <string>

#include "app/main_form_controls.h"
#include "platform/handlers.h"
#include "viewer/qt_browser.h"

class QButtonGroup;
class QAbstractButton;

namespace velmora::platform::qt {

class FindBar;
class PageZoom;
class QtBrowsers;
class QtUi;

class QtMainWindow : public QWidget {
  Q_OBJECT
 public:
  QtMainWindow();
  ~QtMainWindow() override;

  QtBrowser& MainWebBrowser() { return mainWebBrowser_; }
  QtBrowser& MenuWebBrowser() { return menuWebBrowser_; }
  QtBrowser& TitleWebBrowser() { return titleWebBrowser_; }

  // Registers every named control, the topic button group and the three
  // browsers.
  void Register(QtUi& ui, QtBrowsers& browsers);
  // The core's handlers, keyed "MainForm.<handler>". Until they are set the
  // controls raise nothing.
  void SetHandlers(platform::HandlerTable handlers);

  // A control by its form name ("LMDSpeedButton23", "Szukaj"), or null.
  QWidget* Control(const std::string& name) const;
  QWidget* Control(app::main_form::ControlId id) const;
  template <typename T>
  T* Control(const std::string& name) const {
    return qobject_cast<T*>(Control(name));
  }
  QButtonGroup* CategoryButtons() const { return categoryButtons_; }
  // The stacked area below the title strip: browser, tree, diagnostic log.
  QWidget* MainArea() const { return mainArea_; }
  void ReplaceTreeView(QWidget* tree, QtUi& ui);

  FindBar& Find() { return *findBar_; }
  PageZoom& Zoom() { return *zoom_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Tab and Shift+Tab: TabStops() in a ring.
  bool focusNextPrevChild(bool next) override;

 private:
  QWidget* BuildMainArea();
  QWidget* BuildRightBar();
  QWidget* BuildBottomBar();
  QWidget* BuildLogos(QWidget* parent);
  void BuildShortcuts();
  void NameForReaders();
  // The page (while the tree does not cover it) and the open find bar, the
  // search box, the bottom bar, the topic buttons, the menu page, the tree,
  // "_" and "X", as far as they are shown and enabled.
  QList<QWidget*> TabStops() const;
  // Names the control as its description does and keeps it by that name.
  QWidget* Add(app::main_form::ControlId id, QWidget* control);
  // A push button with the described caption, raising the described handler.
  QAbstractButton* AddButton(app::main_form::ControlId id, QWidget* parent);
  void Raise(app::main_form::HandlerId handler) { Raise(handler.name); }
  void Raise(std::string_view handler, const std::string& argument = {});
  // Alt+Left / Alt+Right: the history buttons, only while they are enabled.
  void ClickIfEnabled(app::main_form::ControlId button);

  QtBrowser mainWebBrowser_;
  QtBrowser menuWebBrowser_;
  QtBrowser titleWebBrowser_;
  std::map<std::string, QWidget*> controls_;
  platform::HandlerTable handlers_;
  QButtonGroup* categoryButtons_ = nullptr;
  QWidget* mainArea_ = nullptr;
  FindBar* findBar_ = nullptr;
  PageZoom* zoom_ = nullptr;
  bool closeRan_ = false;
};

}  // namespace velmora::platform::qt
