#include "viewer/disc_opening.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <memory>
#include <utility>

#include "disc/disc_place.h"
#include "disc/image_cache.h"
#include "platform/codepage.h"
#include "viewer/disc_chooser.h"

namespace velmora::platform::qt {
namespace {

namespace fs = std::filesystem;

const QString kTitle = QStringLiteral("Velmora");

void Tell(const QString& text, const DiscOpeningOptions& options) {
  if (options.unattended) {
    qWarning("%s: %s", qPrintable(kTitle), qPrintable(text));
    return;
  }
  QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

QString FailureText(const disc::UnpackFailure& failure, const QString& image) {
  const QString name = QDir::toNativeSeparators(image);
  switch (failure.kind) {
    case disc::UnpackFailure::Kind::kUnreadable:
      return QStringLiteral(
                 "Nie można odczytać obrazu płyty %1.\r\nPlik jest uszkodzony, "
                 "niepełny albo nie jest obrazem płyty CD (ISO 9660).")
          .arg(name);
    case disc::UnpackFailure::Kind::kNoRoom:
      return QStringLiteral("Za mało miejsca na dysku, by rozpakować obraz płyty %1.").arg(name);
    case disc::UnpackFailure::Kind::kWrite:
      return QStringLiteral("Nie można zapisać rozpakowanej płyty z obrazu %1.").arg(name);
    case disc::UnpackFailure::Kind::kNotDisc:
      return QStringLiteral("Obraz %1 nie zawiera płyty z encyklopedią.").arg(name);
  }
  return {};
}

std::unique_ptr<QProgressDialog> UnpackWindow(const QString& image) {
  auto window = std::make_unique<QProgressDialog>();
  window->setWindowTitle(kTitle);
  window->setLabelText(QStringLiteral("Przygotowanie obrazu płyty %1 do czytania.\n"
                                      "Dzieje się to tylko przy pierwszym otwarciu.")
                           .arg(QFileInfo(image).fileName()));
  window->setAccessibleName(QStringLiteral("Rozpakowywanie obrazu płyty"));
  window->setCancelButton(nullptr);
  window->setRange(0, 1000);
  window->setMinimumDuration(0);
  window->setAutoClose(false);
  window->setAutoReset(false);
  window->setValue(0);
  window->show();
  QCoreApplication::processEvents();
  return window;
}

// The folder of the image's unpacked copy, or nullopt once the user is told why not.
std::optional<QString> UnpackedImage(const QString& image, const DiscOpeningOptions& options) {
  const std::optional<fs::path> root = disc::DiscCacheRoot();
  if (!root) {
    Tell(QStringLiteral("Nie można rozpakować obrazu płyty %1: nie wiadomo, gdzie jest katalog "
                        "domowy (zmienna HOME).")
             .arg(QDir::toNativeSeparators(image)),
         options);
    return std::nullopt;
  }
  std::unique_ptr<QProgressDialog> window;
  const disc::OpenedImage opened = disc::OpenImageThroughCache(
      image.toStdString(), *root, [&] { window = UnpackWindow(image); },
      [&](std::uint64_t done, std::uint64_t total) {
        if (!window) return;
        window->setValue(total == 0 ? 0 : static_cast<int>(done * 1000 / total));
        QCoreApplication::processEvents();
      });
  window.reset();
  if (opened.failure) {
    qWarning("velmora: %s", opened.failure->message.c_str());
    Tell(FailureText(*opened.failure, image), options);
    return std::nullopt;
  }
  return QString::fromStdString(opened.folder.string());
}

ContentKey KeyFor(const QString& folder) {
  std::string root = Utf8ToWin1250(folder.toStdString());
  if (root.empty() || root.back() != '/') root += '/';
  return ContentKey{root, root};
}

// The chooser until a disc is chosen and opened, or it is closed.
std::optional<int> ChooseDisc(const DiscOpeningOptions& options) {
  const std::vector<fs::path> mounted = disc::MountedDiscs(disc::MediaRoots());
  for (;;) {
    DiscChooser chooser(mounted);
    if (options.chooserShown) {
      QTimer::singleShot(0, &chooser, [&chooser, &options] { options.chooserShown(chooser); });
    }
    chooser.exec();
    const DiscChoice choice = chooser.Choice();
    if (choice.kind == DiscChoice::Kind::kNone) return 0;
    std::optional<QString> folder = choice.path;
    if (choice.kind == DiscChoice::Kind::kImage) folder = UnpackedImage(choice.path, options);
    if (!folder) continue;  // told why; another choice
    if (!QtSettingsStore::Write(*folder)) {
      Tell(QStringLiteral("Nie można zapisać ustawień w pliku %1.")
               .arg(QDir::toNativeSeparators(QtSettingsStore::Location())),
           options);
      return 1;
    }
    return std::nullopt;
  }
}

}  // namespace

DiscOpening OpenDisc(const std::optional<std::string>& given, const DiscOpeningOptions& options) {
  if (given) {
    const QString path = QString::fromLocal8Bit(given->c_str());
    const QFileInfo info(path);
    QString folder = info.absoluteFilePath();
    if (info.isFile()) {
      const std::optional<QString> unpacked = UnpackedImage(folder, options);
      if (!unpacked) return {1, std::nullopt};
      folder = *unpacked;
    }
    // A folder that is no disc gets the message of a missing disc.
    return {std::nullopt, KeyFor(folder)};
  }
  // Handed on, so that the core does not read the settings again.
  if (std::optional<ContentKey> known = QtSettingsStore().OpenContentKey()) {
    return {std::nullopt, std::move(known)};
  }
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  if (!ec && disc::HoldsTables(current)) return {};
  return {ChooseDisc(options), std::nullopt};
}

}  // namespace velmora::platform::qt
