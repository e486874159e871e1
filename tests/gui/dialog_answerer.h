#pragma once
// Page dialogs and message boxes answered in GUI tests as the user would.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <utility>

// Answers the dialogs that show as the user would (OK), and counts them.
// Each is answered on the next turn of the loop it runs: timers may not
// fire in a dialog's loop the engine started from a timer of its own.
class DialogAnswerer : public QObject {
 public:
  DialogAnswerer() { qApp->installEventFilter(this); }
  ~DialogAnswerer() override { qApp->removeEventFilter(this); }
  int answered = 0;
  QStringList messages;  // the texts of the message boxes answered
  bool answering = true;
  // Done instead of answering, once, when a dialog shows.
  std::function<void()> onShown;

  static QDialog* Shown() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(window);
      if (dialog && dialog->isVisible()) return dialog;
    }
    return nullptr;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog && event->type() == QEvent::Show) {
      QMetaObject::invokeMethod(
          this,
          [this, shown = QPointer<QDialog>(dialog)] {
            if (shown && shown->isVisible()) Answer(*shown);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Answer(QDialog& dialog) {
    if (onShown) {
      std::exchange(onShown, nullptr)();
      return;
    }
    if (!answering) return;
    ++answered;
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (box) messages << box->text();
    if (box && box->button(QMessageBox::Ok)) {
      box->button(QMessageBox::Ok)->click();
    } else {
      dialog.accept();
    }
  }
};
