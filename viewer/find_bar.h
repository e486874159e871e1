#pragma once
// The find bar of the main browser (Ctrl+F): matches are highlighted as the
// user types, Enter and Shift+Enter step forward and back, Escape closes the
// bar and clears the highlight. The engine's own find, ignoring case.

#include <QWidget>

class QLabel;
class QLineEdit;
class QWebEnginePage;
class QWebEngineFindTextResult;

namespace velmora::platform::qt {

class FindBar : public QWidget {
  Q_OBJECT
 public:
  FindBar(QWebEnginePage& page, QWidget* parent);

  // Shows the bar with the focus in its text box, the text selected.
  void Open();
  void Close();
  void FindNext();
  void FindPrevious();

  QLineEdit* Edit() const { return edit_; }
  // Matches of the last finished search, and which one is current (from 1).
  int MatchCount() const { return matches_; }
  int ActiveMatch() const { return active_; }

 signals:
  void closed();
  void searched();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Find(bool backward);
  void Finished(const QWebEngineFindTextResult& result);

  QWebEnginePage& page_;
  QLineEdit* edit_;
  QLabel* status_;
  int matches_ = 0;
  int active_ = 0;
};

}  // namespace velmora::platform::qt
