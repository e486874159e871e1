// Qt's own dialogs speak Polish like the rest of the viewer.

#include "viewer/polish_translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

class PolishTranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void qtDialogs_arePolish() {
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QVERIFY(velmora::platform::qt::InstallPolishTranslations(*qApp));
    QPrinter printer;
    QPrintPreviewDialog preview(&printer);
    QCOMPARE(preview.windowTitle(), QString::fromUtf8("Podgl\xC4\x85"
                                                      "d wydruku"));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Anuluj"));
    QCOMPARE(QCoreApplication::translate("QPrintDialog",
                                         "File %1 is not writable.\n"
                                         "Please choose a different file name.")
                 .section(u' ', 0, 0),
             QStringLiteral("Plik"));
  }
};

QTEST_MAIN(PolishTranslationsTest)
#include "polish_translations_test.moc"
