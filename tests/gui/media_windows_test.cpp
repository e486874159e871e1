// The slide-show and film windows on the real browser engine and media
// stack, driven by links of the demo disc: "?ss" opens the slide window on
// slide 1 with its description, ">|" moves on, "X" gives the main window
// back; "?mv" opens the film window and the film plays (also on a machine
// without a sound card). Screenshots of both windows are written when
// VELMORA_SCREENSHOT_DIR names a directory.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QPainter>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/application.h"
#include "gui_wait.h"
#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "platform/timers.h"
#include "tests/support/fake_platform.h"
#include "viewer/movie_window.h"
#include "viewer/qt_browsers.h"
#include "viewer/qt_main_window.h"
#include "viewer/qt_media_player.h"
#include "viewer/qt_system.h"
#include "viewer/qt_timers.h"
#include "viewer/qt_ui.h"
#include "viewer/slide_window.h"
#include "when_shown.h"
#include "windows/slide_form.h"
#include "windows/slide_form_controls.h"

namespace qt = velmora::platform::qt;
using velmora::app::Application;
namespace tables = velmora::tables;

namespace {

// Browsers of the windows under test, plus plain ones for any other name
// the core asks for (menu, title strip, balloons).
class TestBrowsers : public velmora::platform::Browsers {
 public:
  explicit TestBrowsers(qt::QtBrowsers& known) : known_(known) {}
  velmora::platform::Browser& Get(const std::string& control) override {
    try {
      return known_.Get(control);
    } catch (const std::out_of_range&) {
      auto& slot = others_[control];
      if (!slot) slot = std::make_unique<qt::QtBrowser>();
      return *slot;
    }
  }
  void AllowLocalDirectories(const std::vector<std::string>& directories) override {
    known_.AllowLocalDirectories(directories);
  }

 private:
  qt::QtBrowsers& known_;
  std::map<std::string, std::unique_ptr<qt::QtBrowser>> others_;
};

QString Evaluate(qt::QtBrowser& browser, const QString& script) {
  QString value;
  bool answered = false;
  browser.page()->runJavaScript(script, [&](const QVariant& result) {
    value = result.toString();
    answered = true;
  });
  WaitUntil([&] { return answered; }, 5000);
  return value;
}

// The slide's picture file once it has been drawn, else empty.
QString ShownPicture(qt::QtBrowser& browser) {
  return Evaluate(browser,
                  "(function(){var i=document.images[0];"
                  "return i&&i.complete&&i.naturalWidth>0?decodeURI(i.src):'';})()");
}

QString BodyText(qt::QtBrowser& browser) {
  return Evaluate(browser, "document.body?document.body.innerText:''");
}

// The window as grabbed; a video widget's picture (which the offscreen
// platform does not grab) is drawn in from its current frame.
void SaveShot(QWidget& window, const char* name, QVideoWidget* video = nullptr) {
  const QString directory = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
  if (directory.isEmpty()) return;
  QDir().mkpath(directory);
  QPixmap shot = window.grab();
  if (video) {
    const QImage frame = video->videoSink()->videoFrame().toImage();
    const QRect area(video->mapTo(&window, QPoint(0, 0)), video->size());
    QPainter painter(&shot);
    painter.fillRect(area, Qt::black);
    const QSize fitted = frame.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - fitted.width()) / 2,
                       area.y() + (area.height() - fitted.height()) / 2, fitted.width(),
                       fitted.height());
    painter.drawImage(target, frame);
  }
  shot.save(directory + "/" + name, "PNG");
}

// The slide show's own advance stays still: the test moves it with the
// buttons, so a busy machine cannot move it on before a picture is read.
class SlideTimerHeld : public velmora::platform::Timers {
 public:
  explicit SlideTimerHeld(velmora::platform::Timers& others) : others_(others) {}
  velmora::platform::Timer& Get(const std::string& control) override {
    if (control ==
        velmora::windows::slide_form::Qualified(velmora::windows::slide_form::Control("Timer1"))) {
      return velmora::platform::NoTimers().Get(control);
    }
    return others_.Get(control);
  }

 private:
  velmora::platform::Timers& others_;
};

void Pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

class MediaWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void slideLink_showsSlidesAndGivesTheMainWindowBack();
  void movieLink_playsTheFilm();
  void movieWindow_centresTheDisplayAndLabelsItsButtons();
  void mediaPlayer_refusesAFileItCannotDecode();
  void mediaPlayer_refusesPlaylistsAndReachesNoServer();

 private:
  std::string Description(const std::string& key);

  std::unique_ptr<velmora::test::FakeProcesses> processes_;
  std::unique_ptr<velmora::test::FakeShell> shell_;
  std::unique_ptr<velmora::test::FakeSettings> settings_;
  std::unique_ptr<QTemporaryDir> temp_;
  std::unique_ptr<qt::QtUi> ui_;
  std::unique_ptr<qt::QtBrowsers> known_;
  std::unique_ptr<TestBrowsers> browsers_;
  std::unique_ptr<velmora::platform::NativeFileSystem> files_;
  std::unique_ptr<qt::QtClock> clock_;
  std::unique_ptr<qt::QtMediaPlayers> players_;
  std::unique_ptr<qt::QtTimers> timers_;
  std::unique_ptr<SlideTimerHeld> heldTimers_;
  std::unique_ptr<velmora::platform::Platform> platform_;
  std::unique_ptr<qt::QtMainWindow> mainWindow_;
  std::unique_ptr<qt::SlideWindow> slideWindow_;
  std::unique_ptr<qt::MovieWindow> movieWindow_;
  std::unique_ptr<Application> application_;
  velmora::platform::HandlerTable handlers_;
};

void MediaWindowsTest::init() {
  const std::string disc = std::string(VELMORA_SAMPLE_CONTENT) + "/";
  processes_ = std::make_unique<velmora::test::FakeProcesses>();
  shell_ = std::make_unique<velmora::test::FakeShell>();
  settings_ = std::make_unique<velmora::test::FakeSettings>();
  settings_->key = velmora::platform::ContentKey{disc, disc};
  temp_ = std::make_unique<QTemporaryDir>();
  ui_ = std::make_unique<qt::QtUi>();
  ui_->SetUnattended(true);
  known_ = std::make_unique<qt::QtBrowsers>();
  browsers_ = std::make_unique<TestBrowsers>(*known_);
  files_ = std::make_unique<velmora::platform::NativeFileSystem>(temp_->path().toStdString());
  clock_ = std::make_unique<qt::QtClock>();
  players_ = std::make_unique<qt::QtMediaPlayers>();
  timers_ = std::make_unique<qt::QtTimers>();
  heldTimers_ = std::make_unique<SlideTimerHeld>(*timers_);
  platform_.reset(new velmora::platform::Platform{*ui_, *browsers_, *files_, *processes_, *shell_,
                                                  *settings_, *clock_, *players_, *heldTimers_});

  mainWindow_ = std::make_unique<qt::QtMainWindow>();
  ui_->RegisterWindow("MainForm", mainWindow_.get());
  known_->Register("MainWebBrowser", mainWindow_->MainWebBrowser());
  slideWindow_ = std::make_unique<qt::SlideWindow>();
  slideWindow_->Register(*ui_, *known_);
  movieWindow_ = std::make_unique<qt::MovieWindow>();
  movieWindow_->Register(*ui_, *players_);

  application_ = std::make_unique<Application>(*platform_);
  QVERIFY(application_->Start());
  handlers_ = application_->Handlers();
  slideWindow_->raise = [this](const std::string& handler, const std::string& argument) {
    handlers_.at("SlideForm." + handler)(argument);
  };
  movieWindow_->raise = [this](const std::string& handler, const std::string& argument) {
    handlers_.at("MovieForm." + handler)(argument);
  };
  ui_->MaximizeWindow("SlideForm");
  ui_->MaximizeWindow("MovieForm");
}

void MediaWindowsTest::cleanup() {
  application_.reset();
  movieWindow_.reset();
  slideWindow_.reset();
  mainWindow_.reset();
  platform_.reset();
  heldTimers_.reset();
  timers_.reset();
  players_.reset();
}

std::string MediaWindowsTest::Description(const std::string& key) {
  auto& form = *application_->MainForm();
  const std::string caption = form.Dane(form.CatalogueTable(tables::kPhotoTable), key, 5, 0);
  return velmora::platform::Iso88592ToUtf8(
      (caption.empty() ? "" : caption + " - ") +
      form.Dane(form.CatalogueTable(tables::kPhotoTable), key, 7, 0));
}

void MediaWindowsTest::slideLink_showsSlidesAndGivesTheMainWindowBack() {
  QString firstPicture, firstDescription, secondPicture, barHint;
  bool modalWhileShown = false;
  bool closed = false;
  QPointer<QWebEnginePage> shownPage;
  WhenShown scenario(*slideWindow_, [&] {
    qt::SlideWindow& window = *slideWindow_;
    modalWhileShown = QApplication::activeModalWidget() == &window;
    WaitUntil([&] { return !ShownPicture(window.SlideWebBrowser()).isEmpty(); });
    WaitUntil([&] { return !BodyText(window.OpisWebBrowser()).isEmpty(); });
    firstPicture = ShownPicture(window.SlideWebBrowser());
    firstDescription = BodyText(window.OpisWebBrowser()).trimmed();
    Pause(300);
    SaveShot(window, "slide_window.png");
    window.NextButton()->click();
    WaitUntil([&] { return ShownPicture(window.SlideWebBrowser()).endsWith("f0202.jpg"); });
    secondPicture = ShownPicture(window.SlideWebBrowser());
    barHint = window.TrackBarSlajdow()->toolTip();
    shownPage = window.SlideWebBrowser().page();
    window.CloseButton()->click();
    closed = true;
  });

  mainWindow_->MainWebBrowser().Navigate("http://db?ssgory");
  QVERIFY(WaitUntil([&] { return closed; }, 60000));
  QVERIFY(modalWhileShown);
  QVERIFY2(firstPicture.endsWith("/Foto/f0201.jpg"), qPrintable(firstPicture));
  QCOMPARE(firstDescription, QString::fromStdString(Description("0201")).trimmed());
  QVERIFY2(secondPicture.endsWith("/Foto/f0202.jpg"), qPrintable(secondPicture));
  QCOMPARE(barHint, QString::fromUtf8("Lista dostępnych slajdów: 2 z 6"));

  // The window is gone, its timers are off and the main window takes links again.
  QVERIFY(WaitUntil([&] { return !slideWindow_->isVisible(); }));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  QVERIFY(!application_->MainForm()->SlideShowAdvancing());
  // Closed, it holds no slide; opened again, it starts from the first.
  QVERIFY(WaitUntil([&] { return shownPage.isNull(); }));
  QString againPicture, againDescription;
  closed = false;
  WhenShown again(*slideWindow_, [&] {
    qt::SlideWindow& window = *slideWindow_;
    WaitUntil([&] { return !ShownPicture(window.SlideWebBrowser()).isEmpty(); });
    WaitUntil([&] { return !BodyText(window.OpisWebBrowser()).isEmpty(); });
    againPicture = ShownPicture(window.SlideWebBrowser());
    againDescription = BodyText(window.OpisWebBrowser()).trimmed();
    window.CloseButton()->click();
    closed = true;
  });
  mainWindow_->MainWebBrowser().Navigate("http://db?ssgory");
  QVERIFY(WaitUntil([&] { return closed; }, 60000));
  QCOMPARE(againPicture, firstPicture);
  QCOMPARE(againDescription, firstDescription);
  QVERIFY(WaitUntil([&] { return !slideWindow_->isVisible(); }));

  const std::string page = std::string(VELMORA_SAMPLE_CONTENT) + "/Data/799.htm";
  mainWindow_->MainWebBrowser().Navigate(page);
  QVERIFY(WaitUntil([&] {
    return mainWindow_->MainWebBrowser().page()->url().toLocalFile().toStdString() == page;
  }));
}

void MediaWindowsTest::movieLink_playsTheFilm() {
  qint64 firstPosition = -1;
  qint64 laterPosition = -1;
  qint64 length = 0;
  bool playing = false;
  bool drawn = false;
  int bar = 0;
  bool closed = false;
  WhenShown scenario(*movieWindow_, [&] {
    qt::QtMediaPlayer* player = players_->Find("MovieForm.MediaPlayer1");
    if (!player) return;
    length = player->Length();
    WaitUntil([&] { return player->Position() > 0; }, 10000);
    firstPosition = player->Position();
    WaitUntil([&] { return player->Position() >= firstPosition + 1500; }, 10000);
    laterPosition = player->Position();
    playing = player->Mode() == velmora::platform::MediaMode::Playing;
    WaitUntil([&] { return movieWindow_->TrackBarFilmow()->value() > 1; }, 5000);
    bar = movieWindow_->TrackBarFilmow()->value();
    drawn = movieWindow_->Video()->videoSink()->videoFrame().isValid();
    SaveShot(*movieWindow_, "movie_window.png", movieWindow_->Video());
    movieWindow_->CloseButton()->click();
    closed = true;
  });

  mainWindow_->MainWebBrowser().Navigate("http://db?mvbobry");
  QVERIFY(WaitUntil([&] { return closed; }, 60000));
  QVERIFY2(length > 0, "the film's length is known once it is open");
  QVERIFY2(firstPosition >= 0, "the film started");
  QVERIFY2(laterPosition >= firstPosition + 1500, "the position advances while it plays");
  QVERIFY(playing);
  QVERIFY2(drawn, "the display area receives the film's pictures");
  QVERIFY(bar > 1);
  QVERIFY(WaitUntil([&] { return !movieWindow_->isVisible(); }));
  QCOMPARE(players_->Find("MovieForm.MediaPlayer1")->Mode(), velmora::platform::MediaMode::Stopped);
}

void MediaWindowsTest::movieWindow_centresTheDisplayAndLabelsItsButtons() {
  QPoint displayOffset;
  QSize displaySize;
  QSize panelSize;
  WhenShown scenario(*movieWindow_, [&] {
    WaitUntil([&] { return movieWindow_->Panel2()->width() > 400; }, 5000);
    Pause(100);
    displayOffset = movieWindow_->Panel3()->pos();
    displaySize = movieWindow_->Panel3()->size();
    panelSize = movieWindow_->Panel2()->size();
    movieWindow_->CloseButton()->click();
  });
  mainWindow_->MainWebBrowser().Navigate("http://db?mvwydmy");
  QVERIFY(WaitUntil([&] { return !panelSize.isEmpty(); }, 60000));
  QCOMPARE(displaySize, QSize(350, 300));
  QCOMPARE(displayOffset, QPoint((panelSize.width() - 350) / 2, (panelSize.height() - 300) / 2));
  QCOMPARE(movieWindow_->windowTitle(), QStringLiteral("MovieShow"));
  QCOMPARE(movieWindow_->ControlBar()->height(), 46);
  namespace movie = velmora::windows::movie_form;
  const struct {
    movie::ControlId button;
    const char* caption;
    const char* hint;
  } buttons[] = {
      {movie::Control("LMDMMButton1"), "|<", "Cofnij"},
      {movie::Control("LMDMMButton2"), "||", "Pauza"},
      {movie::Control("LMDMMButton3"), "[]", "Zatrzymaj"},
      {movie::Control("LMDMMButton4"), ">", "Uruchom"},
      {movie::Control("LMDMMButton5"), "X", "Zakończ odtwarzanie filmu"},
      {movie::Control("LMDMMButton6"), ">|", "Do przodu"},
  };
  for (const auto& expected : buttons) {
    QPushButton* button = movieWindow_->Button(expected.button);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), QString::fromUtf8(expected.caption));
    QCOMPARE(button->toolTip(), QString::fromUtf8(expected.hint));
  }
}

void MediaWindowsTest::mediaPlayer_refusesAFileItCannotDecode() {
  const QString path = temp_->filePath("zepsuty.avi");
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(4096, 'x'));
  file.close();
  velmora::platform::MediaPlayer& player = players_->Get("Test.MediaPlayer1");
  player.SetFileName(path.toStdString());
  QVERIFY(!player.Open());
  QCOMPARE(player.Mode(), velmora::platform::MediaMode::NotReady);
  QCOMPARE(player.Length(), std::int64_t{0});
  QVERIFY(!player.Play());
  player.Step();
  player.Seek(500);
  QCOMPARE(player.Position(), std::int64_t{0});
}

// Films that are text naming the network: the media layer would fetch what
// they name, so they are refused as unplayable and nothing is fetched.
void MediaWindowsTest::mediaPlayer_refusesPlaylistsAndReachesNoServer() {
  QTcpServer server;
  QVERIFY(server.listen(QHostAddress::LocalHost, 0));
  int connections = 0;
  connect(&server, &QTcpServer::newConnection, this, [&] {
    while (QTcpSocket* socket = server.nextPendingConnection()) {
      ++connections;
      socket->close();
    }
  });
  const QByteArray address = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
  const std::map<QString, QByteArray> films = {
      {"hls.avi", "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:10\n#EXTINF:10.0,\n" + address +
                      "/odcinek0.ts\n#EXT-X-ENDLIST\n"},
      {"adres.wav", address + "/dzwiek.wav\n"},
      {"lista.avi", "[playlist]\nFile1=" + address + "/film.avi\nNumberOfEntries=1\n"},
      {"smil.avi", "<smil><body><video src=\"" + address + "/film.avi\"/></body></smil>\n"}};
  for (const auto& [name, text] : films) {
    QFile file(temp_->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    velmora::platform::MediaPlayer& player = players_->Get("Test.MediaPlayer1");
    player.SetFileName(file.fileName().toStdString());
    QVERIFY2(!player.Open(), qPrintable(name));
    QCOMPARE(player.Mode(), velmora::platform::MediaMode::NotReady);
    QVERIFY(!player.Play());
    QCoreApplication::processEvents();
    QVERIFY2(connections == 0 && !server.hasPendingConnections(), qPrintable(name));
  }
}

QTEST_MAIN(MediaWindowsTest)
#include "media_windows_test.moc"
