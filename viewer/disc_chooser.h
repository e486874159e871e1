#pragma once
// The small window shown when the viewer knows of no disc: the discs the
// desktop has mounted, and a folder or an image to pick by hand.

#include <QDialog>
#include <QString>
#include <filesystem>
#include <vector>

class QListWidget;

namespace velmora::platform::qt {

struct DiscChoice {
  enum class Kind { kNone, kFolder, kImage };
  Kind kind = Kind::kNone;
  QString path;
};

class DiscChooser : public QDialog {
  Q_OBJECT

 public:
  explicit DiscChooser(const std::vector<std::filesystem::path>& mounted,
                       QWidget* parent = nullptr);
  // What was chosen once the window has closed; kNone when it was closed.
  const DiscChoice& Choice() const { return choice_; }

 private:
  void OpenSelected();
  void ChooseFolder();
  void ChooseImage();
  void Choose(DiscChoice::Kind kind, const QString& path);

  QListWidget* discs_;
  DiscChoice choice_;
};

}  // namespace velmora::platform::qt
