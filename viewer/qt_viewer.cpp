#include "viewer/qt_viewer.h"

#include <QCoreApplication>
#include <QProgressBar>

#include "viewer/unknown_handler.h"
#include "windows/czekaj_form.h"
#include "windows/loading_form.h"
#include "windows/movie_form.h"
#include "windows/slide_form.h"

namespace velmora::platform::qt {
namespace {

// What a click read stays in the process for one to two periods: the next
// click of a user reading along finds it there.
constexpr int kIdleReleasePeriodMs = 1000;

}  // namespace

QtViewer::QtViewer(QtUi& ui, QtBrowsers& browsers, QtMediaPlayers& players)
    // The balloons belong to the main window: they stay above it, and the
    // window manager minimises and restores them with it.
    : dictionaryBalloon_(&mainWindow_),
      locationBalloon_(&mainWindow_),
      tree_(new velmora::qt::ContentsTreeView) {
  mainWindow_.Register(ui, browsers);
  mainWindow_.ReplaceTreeView(tree_, ui);
  ui.RegisterTree(platform::names::kTreeViewCD, tree_);
  ui.RegisterWindow(windows::TLoadingForm::kWindow, &loading_);
  ui.RegisterWindow(windows::TCzekajForm::kWindow, &wait_);
  ui.RegisterControl(windows::TCzekajForm::kProgressBar, wait_.LMDProgressFill1());
  dictionaryBalloon_.Register(platform::names::kDictionaryBalloon, ui, browsers);
  locationBalloon_.Register(platform::names::kLocationBalloon, ui, browsers);
  slides_.Register(ui, browsers);
  movie_.Register(ui, players);
}

void QtViewer::Raise(const std::string& name, const std::string& argument) {
  if (!platform::RaiseHandler(handlers_, name, argument)) ReportUnknownHandler(name);
}

void QtViewer::Connect(app::Application& application) {
  handlers_ = application.Handlers();
  mainWindow_.SetHandlers(handlers_);
  if (app::TMainForm* form = application.MainForm()) {
    if (auto* balloon = form->DictionaryBalloon()) dictionaryBalloon_.Connect(*balloon);
    if (auto* balloon = form->LocationBalloon()) locationBalloon_.Connect(*balloon);
    idleRelease_.setInterval(kIdleReleasePeriodMs);
    QObject::connect(&idleRelease_, &QTimer::timeout, [form] { form->OnIdlePeriod(); });
    // The core goes when the loop ends; nothing may call it after that.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &idleRelease_,
                     &QTimer::stop);
    idleRelease_.start();
  }
  slides_.raise = [this](const std::string& handler, const std::string& argument) {
    Raise(platform::HandlerName(platform::names::kSlideForm, handler), argument);
  };
  movie_.raise = [this](const std::string& handler, const std::string& argument) {
    Raise(platform::HandlerName(platform::names::kMovieForm, handler), argument);
  };
  tree_->onChange = [this](int index) {
    Raise(platform::HandlerName(platform::names::kMainForm, platform::names::kTreeViewCDChange),
          std::to_string(index));
  };
  tree_->onClick = [this] {
    Raise(platform::HandlerName(platform::names::kMainForm, platform::names::kTreeViewCDClick), "");
  };
  tree_->onKeyDown = [this](int& key) {
    // Every key of the tree is swallowed by the program's handler.
    Raise(platform::HandlerName(platform::names::kMainForm, platform::names::kTreeViewCDKeyDown),
          std::to_string(key));
    key = 0;
  };
}

}  // namespace velmora::platform::qt
