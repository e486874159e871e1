#include "platform/qt/qt_viewer.h"

#include <QProgressBar>

#include "windows/czekaj_form.h"
#include "windows/loading_form.h"
#include "windows/movie_form.h"
#include "windows/slide_form.h"

namespace velmora::platform::qt {

QtViewer::QtViewer(QtUi& ui, QtBrowsers& browsers, QtMediaPlayers& players)
    // The balloons belong to the main window: they stay above it, and the
    // window manager minimises and restores them with it.
    : dictionaryBalloon_(&mainWindow_),
      locationBalloon_(&mainWindow_),
      tree_(new velmora::qt::ContentsTreeView) {
  mainWindow_.Register(ui, browsers);
  mainWindow_.ReplaceTreeView(tree_, ui);
  ui.RegisterTree("TreeViewCD", tree_);
  ui.RegisterWindow(windows::TLoadingForm::kWindow, &loading_);
  ui.RegisterWindow(windows::TCzekajForm::kWindow, &wait_);
  ui.RegisterControl(windows::TCzekajForm::kProgressBar, wait_.LMDProgressFill1());
  dictionaryBalloon_.Register("DictionaryBalloon", ui, browsers);
  locationBalloon_.Register("LocationBalloon", ui, browsers);
  slides_.Register(ui, browsers);
  movie_.Register(ui, players);
}

void QtViewer::Raise(const std::string& name, const std::string& argument) {
  const auto handler = handlers_.find(name);
  if (handler != handlers_.end()) handler->second(argument);
}

void QtViewer::Connect(app::Application& application) {
  handlers_ = application.Handlers();
  mainWindow_.SetHandlers(handlers_);
  if (app::TMainForm* form = application.MainForm()) {
    if (form->DictionaryBalloon) dictionaryBalloon_.Connect(*form->DictionaryBalloon);
    if (form->LocationBalloon) locationBalloon_.Connect(*form->LocationBalloon);
  }
  slides_.raise = [this](const std::string& handler, const std::string& argument) {
    Raise("SlideForm." + handler, argument);
  };
  movie_.raise = [this](const std::string& handler, const std::string& argument) {
    Raise("MovieForm." + handler, argument);
  };
  tree_->onChange = [this](int index) {
    Raise("MainForm.TreeViewCDChange", std::to_string(index));
  };
  tree_->onClick = [this] { Raise("MainForm.TreeViewCDClick", ""); };
  tree_->onKeyDown = [this](int& key) {
    // Every key of the tree is swallowed by the program's handler.
    Raise("MainForm.TreeViewCDKeyDown", std::to_string(key));
    key = 0;
  };
}

}  // namespace velmora::platform::qt
