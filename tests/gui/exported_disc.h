#pragma once
// Reading the demo disc's export in the browser engine the viewer uses, as
// any browser would: the export made by velmora-cli, the servers that hand
// it out, and the steps a reader takes through it. The steps answer with
// what they saw; the tests compare.

#include <signal.h>
#include <sys/prctl.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <functional>

#include "gui_wait.h"
#include "page_script.h"

// Runs velmora-cli; its standard output, or a null string when it failed.
inline QString RunCli(const QStringList& args) {
  QProcess cli;
  cli.start(VELMORA_CLI, args);
  if (!cli.waitForFinished(180000) || cli.exitStatus() != QProcess::NormalExit ||
      cli.exitCode() != 0) {
    return {};
  }
  return QString::fromUtf8(cli.readAllStandardOutput());
}

// The demo disc exported to a site folder or a ZIM file (--site / --zim).
inline bool ExportDemoDisc(const QString& kind, const QString& output) {
  return !RunCli({"export", "--disc", VELMORA_SAMPLE_CONTENT, kind, output, "--quiet"}).isNull();
}

// The pages the viewer's own search lists for word, relative to the disc
// ("Data/118.htm"), in its order.
inline QStringList DiscSearchPages(const QString& word) {
  const QString disc = QString(VELMORA_SAMPLE_CONTENT) + "/";
  QStringList pages;
  const QJsonArray found =
      QJsonDocument::fromJson(RunCli({"search", word, "--content", disc}).toUtf8())
          .object()["pages"]
          .toArray();
  for (const QJsonValue& page : found) {
    pages << page.toObject()["path"].toString().remove(QRegularExpression("^.*/sample-content/"));
  }
  return pages;
}

// Loads url and waits for it to finish loading, or, given arrival, for the
// page it leads on to (a refresh) to finish.
inline bool LoadUrl(QWebEnginePage& page, const QUrl& url, const QUrl& arrival = {}) {
  bool loaded = false;
  bool ok = false;
  const auto connection = QObject::connect(&page, &QWebEnginePage::loadFinished, [&](bool result) {
    if (!arrival.isEmpty() && page.url() != arrival) return;
    ok = result;
    loaded = true;
  });
  page.load(url);
  WaitUntil([&] { return loaded; });
  QObject::disconnect(connection);
  return ok;
}

// Runs a script that answers "done" when it sent the page elsewhere, and
// waits for the page it leads to; false when it did not or that failed.
inline bool ScriptToNextPage(QWebEnginePage& page, const QString& script) {
  bool loaded = false;
  bool ok = false;
  const auto connection = QObject::connect(&page, &QWebEnginePage::loadFinished, [&](bool result) {
    ok = result;
    loaded = true;
  });
  const bool sent = RunPageScript(page, script) == "done";
  if (sent) WaitUntil([&] { return loaded; });
  QObject::disconnect(connection);
  return sent && ok;
}

// Clicks the first element that selector matches, and waits as above.
inline bool ClickThrough(QWebEnginePage& page, const QString& selector) {
  return ScriptToNextPage(page, "var e = document.querySelector('" + selector +
                                    "'); if (e) e.click(); e ? 'done' : 'none'");
}

inline QString PageTitleStrip(QWebEnginePage& page) {
  return RunPageScript(page, "var t = document.querySelector('.vx-title'); t ? t.textContent : ''");
}

// Clicks the page's first definition link and answers with the address the
// pop-up shows, once it shows one, while the page itself stays.
inline QString OpenFirstDefinition(QWebEnginePage& page) {
  const QUrl before = page.url();
  if (RunPageScript(page,
                    "var a = document.querySelector('a[href*=\"dic/\"]');"
                    "if (a) a.click(); a ? 'clicked' : 'none'") != "clicked") {
    return "no definition link";
  }
  QString shown;
  WaitUntil([&] {
    shown = RunPageScript(page,
                          "var b = document.getElementById('vx-popup');"
                          "b && !b.hidden ? b.querySelector('iframe').src : ''");
    return !shown.isEmpty();
  });
  return page.url() == before ? shown : "the page was left for " + page.url().toString();
}

// Plays the film page's video and answers "playing" once the engine plays
// it (its playing event came and its time moved on), else what went wrong.
inline QString PlayFilm(QWebEnginePage& page, const QUrl& filmPage) {
  page.settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  // The engine pauses a muted film in a page nobody sees (it played, then
  // paused, in a page without a view), so the page gets one on the screen.
  QWebEngineView view;
  view.setPage(&page);
  view.resize(640, 480);
  view.show();
  if (!LoadUrl(page, filmPage)) return "the film page did not load";
  const QString started = RunPageScript(page, R"JS(
    var v = document.querySelector('video');
    if (v) {
      window.vxState = '';
      v.muted = true;
      v.addEventListener('playing', function () { window.vxPlaying = true; });
      v.addEventListener('error', function () {
        window.vxState = 'error ' + v.error.code + ': ' + v.error.message;
      });
      v.play().catch(function (e) { window.vxState = 'play refused: ' + e; });
    }
    v ? 'started' : 'no video')JS");
  if (started != "started") return started;
  QString state;
  WaitUntil([&] {
    state =
        RunPageScript(page,
                      "var v = document.querySelector('video');"
                      "window.vxState || (window.vxPlaying && v.currentTime > 0 ? 'playing' : '')");
    return !state.isEmpty();
  });
  if (!state.isEmpty()) return state;
  return "the film never played: " +
         RunPageScript(page,
                       "var v = document.querySelector('video');"
                       "'ready ' + v.readyState + ', network ' + v.networkState + ', paused ' +"
                       "v.paused + ', time ' + v.currentTime + ', source ' + v.currentSrc +"
                       "', webm ' + v.canPlayType('video/webm; codecs=\"vp8, vorbis\"') +"
                       "'/' + v.canPlayType('video/webm; codecs=\"vp9, opus\"') + ', page ' +"
                       "document.visibilityState");
}

// A server for one test: it dies with the test process, however that ends,
// and is killed when this goes.
class ServerProcess {
 public:
  ServerProcess() {
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
  }
  ~ServerProcess() { Stop(); }
  QProcess& process() { return process_; }
  void Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(10000);
  }

 private:
  QProcess process_;
};

// A loopback port nobody listens on now.
inline quint16 FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  const quint16 port = probe.serverPort();
  probe.close();
  return port;
}

// Waits until port takes connections, or the server has ended.
inline bool WaitForServer(ServerProcess& server, quint16 port) {
  if (!server.process().waitForStarted(30000)) return false;
  return WaitUntil([&] {
           if (server.process().state() == QProcess::NotRunning) return true;
           QTcpSocket socket;
           socket.connectToHost(QHostAddress::LocalHost, port);
           return socket.waitForConnected(1000);
         }) &&
         server.process().state() == QProcess::Running;
}

// Starts a server on a free loopback port and answers the port it took once
// it takes connections, 0 when it did not start. The port is free when
// looked at; another program may take it before the server does, so a
// server that ends at once is tried again on another.
inline quint16 StartOnFreePort(ServerProcess& server, const QString& program,
                               const std::function<QStringList(quint16)>& arguments) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const quint16 port = FreeLoopbackPort();
    server.Stop();
    server.process().start(program, arguments(port));
    if (WaitForServer(server, port)) return port;
  }
  return 0;
}
