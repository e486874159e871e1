// The viewer on a disc made to get out, in the real engine: its support
// files, its Anim directory (programs and films) lead out through links,
// its start page tries every hand-off without a click, a program and a film
// of that Anim, and then loops on dialogs. Nothing outside is read,
// started or opened, and the user can still close the program.

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <filesystem>
#include <memory>

#include "dialog_answerer.h"
#include "gui_input.h"
#include "gui_wait.h"
#include "sample_disc_viewer.h"
#include "viewer/desktop_hand_off.h"
#include "viewer/hand_off_gate.h"
#include "viewer/qt_system.h"

namespace qt = velmora::platform::qt;
namespace fs = std::filesystem;

namespace {

constexpr char kSecret[] = "TAJNE-5813";

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Whether any file under the directory holds the secret.
bool HoldsSecret(const QString& directory) {
  QDirIterator files(directory, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    QFile file(files.next());
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains(kSecret)) return true;
  }
  return false;
}

// Counts how often a window is shown.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget& window) { window.installEventFilter(this); }
  int shown = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shown;
    return false;
  }
};

// Whether the page's dialogs have been cut short (the log says so once).
bool dialogsCutShort = false;
QtMessageHandler previousHandler = nullptr;
void NotingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("further dialogs are not shown"))) dialogsCutShort = true;
  previousHandler(type, context, text);
}

}  // namespace

class SealedDiscTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void discMadeToGetOut_readsStartsAndOpensNothingOutside_andCloses();

 private:
  QTemporaryDir temp_;
  QString disc_;
  QString outside_;
  qt::QtShell shell_;
  QList<QUrl> handedOff_;
  std::unique_ptr<SampleDiscViewer> viewer_;
  std::unique_ptr<DialogAnswerer> answerer_;
};

void SealedDiscTest::initTestCase() {
  QVERIFY(temp_.isValid());
  disc_ = temp_.path() + "/disc";
  outside_ = temp_.path() + "/outside";
  std::error_code error;
  fs::copy(VELMORA_SAMPLE_CONTENT, disc_.toStdString(), fs::copy_options::recursive, error);
  QVERIFY2(!error, error.message().c_str());

  // What lies outside: secrets, and programs that leave a mark when they run.
  QVERIFY(QDir().mkpath(outside_ + "/Anim"));
  Write(outside_ + "/secret.txt", kSecret);
  Write(outside_ + "/secret.jpg", kSecret);
  const QByteArray program = "#!/bin/sh\ntouch '" + (outside_ + "/ran").toUtf8() + "'\n";
  for (const char* name : {"start.exe", "fin.exe"}) {
    Write(outside_ + "/Anim/" + name, program);
    QFile::setPermissions(outside_ + "/Anim/" + name, QFile::ReadOwner | QFile::ExeOwner);
  }
  QVERIFY(QFile::copy(disc_ + "/Anim/bobry.avi", outside_ + "/Anim/bobry.avi"));

  // The disc's support files and its Anim lead out.
  for (const auto& [name, target] :
       {std::pair{"/Makiety/f.jpg", "/secret.jpg"}, std::pair{"/Data/lock.vnq", "/secret.txt"},
        std::pair{"/Data/styledb.css", "/secret.txt"}}) {
    QFile::remove(disc_ + name);
    QVERIFY(QFile::link(outside_ + target, disc_ + name));
  }
  QVERIFY(QDir(disc_ + "/Anim").removeRecursively());
  QVERIFY(QFile::link(outside_ + "/Anim", disc_ + "/Anim"));
  QFile::remove(disc_ + "/Data/799.htm");
  QVERIFY(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/gui/sealed_disc_start.htm"),
                      disc_ + "/Data/799.htm"));

  previousHandler = qInstallMessageHandler(NotingHandler);
  qt::ReceiveHandOffsWith([this](const QUrl& url) { handedOff_ << url; });
  answerer_ = std::make_unique<DialogAnswerer>();
  viewer_ =
      std::make_unique<SampleDiscViewer>(shell_, nullptr, SampleDiscKey(disc_.toStdString() + "/"));
  QVERIFY(viewer_->Valid());
  viewer_->Ui().SetUnattended(false);  // the page's dialogs as the user sees them
}

void SealedDiscTest::cleanupTestCase() {
  viewer_.reset();
  answerer_.reset();
  qt::ReceiveHandOffsWith(nullptr);
  qInstallMessageHandler(previousHandler);
}

void SealedDiscTest::discMadeToGetOut_readsStartsAndOpensNothingOutside_andCloses() {
  QWidget& window = viewer_->Viewer().MainWindow();
  auto* close = window.findChild<QAbstractButton*>(QStringLiteral("LMDSpeedButton30"));
  QVERIFY(close);
  ShowCounter film(viewer_->Viewer().Movie());
  qt::ClearRefusedHandOffs();
  QVERIFY(viewer_->Start());
  const QString workDir = viewer_->Temp().path() + "/VNQETMP";

  // The page has tried everything: the film of its Anim is missing, and its
  // dialogs have been cut short.
  WAIT_VERIFY(answerer_->messages.join(u' ').contains(QLatin1String("bobry.avi")));
  WAIT_VERIFY(dialogsCutShort);
  QVERIFY(qt::RefusedHandOffs().size() >= 32);
  // Nothing of the outside was copied in for a page to find.
  QVERIFY(!QFile::exists(workDir + "/f.jpg"));
  QVERIFY(!QFile::exists(workDir + "/lock.vnq"));
  QVERIFY(!HoldsSecret(workDir));

  // While the page still spins in its loop, the user closes the program.
  gui_input::ClickOn(close);
  WAIT_VERIFY(!window.isVisible());
  QVERIFY(!DialogAnswerer::Shown());

  // Nothing started (start.exe, fin.exe, ?anim), no film, nothing opened.
  QVERIFY(!QFile::exists(outside_ + "/ran"));
  QCOMPARE(film.shown, 0);
  QVERIFY2(handedOff_.isEmpty(), qPrintable(QUrl::toStringList(handedOff_).join(u' ')));
  QCOMPARE(QFile(outside_ + "/secret.txt").size(), qint64(sizeof kSecret - 1));
}

QTEST_MAIN(SealedDiscTest)
#include "sealed_disc_test.moc"
