#pragma once
// The viewer as `main` builds it (the Qt platform, its windows and the core)
// on the demo disc, with a working directory of its own and the shell the
// test gives, so that no outside program is started.

#include <QTemporaryDir>
#include <memory>
#include <utility>

#include "app/application.h"
#include "platform/native_file_system.h"
#include "sample_disc_key.h"
#include "viewer/local_file_case.h"
#include "viewer/qt_media_player.h"
#include "viewer/qt_system.h"
#include "viewer/qt_viewer.h"

class SampleDiscViewer {
 public:
  // The windows are made here; the core only at Start, so that a test can
  // watch the windows first. Without timers the slide show and the film
  // never advance by themselves.
  explicit SampleDiscViewer(velmora::platform::Shell& shell,
                            velmora::platform::Timers* timers = nullptr,
                            SampleDiscKey settings = SampleDiscKey())
      : files_(temp_.path().toStdString() + "/"),
        settings_(std::move(settings)),
        platform_{ui_,        browsers_, files_,
                  processes_, shell,     settings_,
                  clock_,     players_,  timers ? *timers : velmora::platform::NoTimers()},
        viewer_(ui_, browsers_, players_) {
    ui_.SetUnattended(true);
    velmora::platform::qt::ResolveLocalNamesWith(&files_);
  }
  ~SampleDiscViewer() {
    application_.reset();  // before the windows it uses
    velmora::platform::qt::ResolveLocalNamesWith(nullptr);
  }

  // Runs the core's start-up and wires the windows to it.
  bool Start() {
    application_ = std::make_unique<velmora::app::Application>(platform_);
    if (!application_->Start()) return false;
    viewer_.Connect(*application_);
    return true;
  }

  bool Valid() const { return temp_.isValid(); }
  QTemporaryDir& Temp() { return temp_; }
  velmora::platform::qt::QtUi& Ui() { return ui_; }
  velmora::platform::qt::QtMediaPlayers& Players() { return players_; }
  velmora::platform::qt::QtViewer& Viewer() { return viewer_; }
  velmora::app::Application& Application() { return *application_; }

 private:
  QTemporaryDir temp_;
  velmora::platform::qt::QtUi ui_;
  velmora::platform::qt::QtBrowsers browsers_;
  velmora::platform::NativeFileSystem files_;
  velmora::platform::qt::QtProcesses processes_;
  SampleDiscKey settings_;
  velmora::platform::qt::QtClock clock_;
  velmora::platform::qt::QtMediaPlayers players_;
  velmora::platform::Platform platform_;
  velmora::platform::qt::QtViewer viewer_;
  std::unique_ptr<velmora::app::Application> application_;
};
