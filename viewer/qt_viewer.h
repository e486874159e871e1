#pragma once
// The viewer's own windows on Qt: the main window with its contents tree,
// the two notice windows, the two balloons, the slide-show and the film
// window, registered under the names the core uses before the core starts.
// Shared by the program entry and the GUI tests.

#include <QTimer>
#include <map>
#include <string>

#include "app/application.h"
#include "viewer/balloon_window.h"
#include "viewer/contents_tree_view.h"
#include "viewer/loading_window.h"
#include "viewer/movie_window.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_main_window.h"
#include "viewer/qt_media_player.h"
#include "viewer/qt_ui.h"
#include "viewer/slide_window.h"
#include "viewer/wait_window.h"

namespace velmora::platform::qt {

class QtViewer {
 public:
  QtViewer(QtUi& ui, QtBrowsers& browsers, QtMediaPlayers& players);

  // Wires every window's controls to the started core.
  void Connect(app::Application& application);

  QtMainWindow& MainWindow() { return mainWindow_; }
  LoadingWindow& Loading() { return loading_; }
  WaitWindow& Wait() { return wait_; }
  BalloonWindow& DictionaryBalloon() { return dictionaryBalloon_; }
  BalloonWindow& LocationBalloon() { return locationBalloon_; }
  SlideWindow& Slides() { return slides_; }
  MovieWindow& Movie() { return movie_; }
  velmora::qt::ContentsTreeView& Tree() { return *tree_; }

 private:
  void Raise(const std::string& name, const std::string& argument);

  QtMainWindow mainWindow_;
  LoadingWindow loading_;
  WaitWindow wait_;
  BalloonWindow dictionaryBalloon_;
  BalloonWindow locationBalloon_;
  SlideWindow slides_;
  MovieWindow movie_;
  velmora::qt::ContentsTreeView* tree_;  // owned by the main window
  platform::HandlerTable handlers_;
  // Gives the table files' pages back once the program has waited a while.
  QTimer idleRelease_;
};

}  // namespace velmora::platform::qt
