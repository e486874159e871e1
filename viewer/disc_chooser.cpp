#include "viewer/disc_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "disc/disc_place.h"

namespace velmora::platform::qt {

DiscChooser::DiscChooser(const std::vector<std::filesystem::path>& mounted, QWidget* parent)
    : QDialog(parent), discs_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("Velmora – wybór płyty"));
  setAccessibleName(QStringLiteral("Wybór płyty"));
  setObjectName(QStringLiteral("DiscChooser"));

  auto* intro = new QLabel(this);
  intro->setWordWrap(true);
  intro->setText(mounted.empty()
                     ? QStringLiteral("Nie znaleziono płyty z encyklopedią. Włóż płytę albo "
                                      "wskaż folder z jej zawartością lub plik obrazu płyty.")
                     : QStringLiteral("Wybierz płytę z encyklopedią albo wskaż folder z jej "
                                      "zawartością lub plik obrazu płyty."));
  intro->setBuddy(discs_);

  for (const std::filesystem::path& disc : mounted) {
    auto* item = new QListWidgetItem(QStringLiteral("%1  (%2)")
                                         .arg(QString::fromStdString(disc.filename().string()),
                                              QString::fromStdString(disc.parent_path().string())),
                                     discs_);
    item->setData(Qt::UserRole, QString::fromStdString(disc.string()));
  }
  discs_->setAccessibleName(QStringLiteral("Znalezione płyty"));
  discs_->setVisible(!mounted.empty());
  if (!mounted.empty()) discs_->setCurrentRow(0);

  auto* open = new QPushButton(QStringLiteral("&Otwórz wybraną płytę"), this);
  open->setAccessibleName(QStringLiteral("Otwórz wybraną płytę"));
  open->setVisible(!mounted.empty());
  open->setDefault(!mounted.empty());
  auto* folder = new QPushButton(QStringLiteral("Wskaż &folder…"), this);
  folder->setAccessibleName(QStringLiteral("Wskaż folder z płytą"));
  auto* image = new QPushButton(QStringLiteral("Wskaż &obraz płyty…"), this);
  image->setAccessibleName(QStringLiteral("Wskaż plik obrazu płyty"));
  image->setObjectName(QStringLiteral("ChooseImage"));
  folder->setObjectName(QStringLiteral("ChooseFolder"));
  open->setObjectName(QStringLiteral("OpenSelected"));
  auto* end = new QPushButton(QStringLiteral("&Zakończ"), this);
  end->setAccessibleName(QStringLiteral("Zakończ"));
  end->setObjectName(QStringLiteral("End"));

  connect(open, &QPushButton::clicked, this, &DiscChooser::OpenSelected);
  connect(discs_, &QListWidget::itemActivated, this, &DiscChooser::OpenSelected);
  connect(folder, &QPushButton::clicked, this, &DiscChooser::ChooseFolder);
  connect(image, &QPushButton::clicked, this, &DiscChooser::ChooseImage);
  connect(end, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(folder);
  buttons->addWidget(image);
  buttons->addStretch();
  buttons->addWidget(end);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(discs_);
  layout->addWidget(open, 0, Qt::AlignLeft);
  layout->addLayout(buttons);
  resize(520, mounted.empty() ? 120 : 230);
}

void DiscChooser::OpenSelected() {
  const QListWidgetItem* item = discs_->currentItem();
  if (item) Choose(DiscChoice::Kind::kFolder, item->data(Qt::UserRole).toString());
}

void DiscChooser::ChooseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Folder z zawartością płyty"), QDir::homePath());
  if (folder.isEmpty()) return;
  if (!disc::LooksLikeDisc(folder.toStdString())) {
    QMessageBox::warning(this, QStringLiteral("Velmora"),
                         QStringLiteral("W folderze %1 nie ma płyty z encyklopedią (brak "
                                        "plików DB/RP.CSV i Anim/start.exe).")
                             .arg(QDir::toNativeSeparators(folder)));
    return;
  }
  Choose(DiscChoice::Kind::kFolder, folder);
}

void DiscChooser::ChooseImage() {
  const QString image = QFileDialog::getOpenFileName(
      this, QStringLiteral("Obraz płyty"), QDir::homePath(),
      QStringLiteral("Obrazy płyt (*.iso *.ISO);;Wszystkie pliki (*)"));
  if (!image.isEmpty()) Choose(DiscChoice::Kind::kImage, image);
}

void DiscChooser::Choose(DiscChoice::Kind kind, const QString& path) {
  choice_ = {kind, path};
  accept();
}

}  // namespace velmora::platform::qt
