// Films as discs of around 2000 hold them: AVI with Cinepak, Microsoft
// Video 1 or Microsoft RLE pictures and PCM, IMA ADPCM or Microsoft ADPCM
// sound, played by the film player on the real media stack: the position
// advances and pictures reach the display. The films are made with ffmpeg
// here; the RLE one, which ffmpeg cannot write, comes from tests/data/media.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <QtTest>
#include <memory>

#include "gui_wait.h"
#include "viewer/qt_media_player.h"

namespace qt = velmora::platform::qt;
using velmora::platform::MediaMode;

namespace {

// Eight seconds of a test picture and a tone, in the given codecs: long
// enough to be still playing when a slow machine first looks at it.
QStringList FfmpegArguments(const QString& video, const QString& audio, const QString& output) {
  QStringList arguments = {"-v", "error", "-y"};
  if (video == "msrle") {
    arguments << "-stream_loop"
              << "3"
              << "-i" << QString(VELMORA_TEST_DATA) + "/media/rle8.avi";
  } else {
    arguments << "-f"
              << "lavfi"
              << "-i"
              << "testsrc=size=160x120:rate=12:duration=8";
  }
  arguments << "-f"
            << "lavfi"
            << "-i"
            << "sine=frequency=440:sample_rate=22050:duration=8";
  arguments << "-c:v" << (video == "msrle" ? QStringLiteral("copy") : video);
  arguments << "-c:a" << audio << "-ac"
            << "1"
            << "-shortest" << output;
  return arguments;
}

bool NotBlack(const QImage& image) {
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) {
      if (qGray(image.pixel(x, y)) > 40) return true;
    }
  }
  return false;
}

}  // namespace

class PeriodFilmsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ffmpeg_ = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg_.isEmpty())
      QSKIP("ffmpeg is not installed (Debian package ffmpeg): no films to play");
    QVERIFY(temp_.isValid());
  }

  void filmPlaysAndIsDrawn_data() {
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("audio");
    QTest::newRow("cinepak, pcm") << "cinepak"
                                  << "pcm_s16le";
    QTest::newRow("cinepak, microsoft adpcm") << "cinepak"
                                              << "adpcm_ms";
    QTest::newRow("microsoft video 1, ima adpcm") << "msvideo1"
                                                  << "adpcm_ima_wav";
    QTest::newRow("microsoft video 1, microsoft adpcm") << "msvideo1"
                                                        << "adpcm_ms";
    QTest::newRow("microsoft rle, 8-bit pcm") << "msrle"
                                              << "pcm_u8";
  }

  void filmPlaysAndIsDrawn() {
    QFETCH(QString, video);
    QFETCH(QString, audio);
    const QString film = temp_.filePath(video + "_" + audio + ".avi");
    QProcess make;
    make.start(ffmpeg_, FfmpegArguments(video, audio, film));
    QVERIFY(make.waitForFinished(60000));
    QVERIFY2(make.exitCode() == 0, make.readAllStandardError().constData());

    QVideoWidget display;
    display.resize(350, 300);
    display.show();
    // On X11 the video sink wants a mapped window to draw in.
    QVERIFY(QTest::qWaitForWindowExposed(&display));
    qt::QtMediaPlayers players;
    players.RegisterDisplay("Film.Panel3", [&] { return &display; });
    velmora::platform::MediaPlayer& player = players.Get("Film.MediaPlayer1");
    player.SetDisplay("Film.Panel3");
    player.SetFileName(film.toStdString());
    QVERIFY2(player.Open(), qPrintable(players.Find("Film.MediaPlayer1")->lastError()));
    QVERIFY(player.Length() >= 1500);
    QVERIFY2(players.Find("Film.MediaPlayer1")->hasAudio(), "the sound track has a decoder");
    QVERIFY(player.Play());
    // The mode as the position passes the mark, not some time after it.
    MediaMode modeThen = MediaMode::NotReady;
    QVERIFY(WaitUntil(
        [&] {
          modeThen = player.Mode();
          return player.Position() >= 800;
        },
        20000));
    QCOMPARE(modeThen, MediaMode::Playing);
    QVERIFY(WaitUntil([&] { return display.videoSink()->videoFrame().isValid(); }, 5000));
    const QImage picture = display.videoSink()->videoFrame().toImage();
    QVERIFY(!picture.isNull());
    QVERIFY2(NotBlack(picture), "the picture shows the film, not a black area");
    player.Stop();
    QCOMPARE(player.Mode(), MediaMode::Stopped);
  }

 private:
  QString ffmpeg_;
  QTemporaryDir temp_;
};

QTEST_MAIN(PeriodFilmsTest)
#include "period_films_test.moc"
