#include "viewer/page_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "viewer/exit_open_dialog.h"

namespace velmora::platform::qt {
namespace {

// The engine asks whether a page may be left through javaScriptConfirm,
// with its own text.
bool IsLeavingQuestion(const QString& text) {
  return text == QCoreApplication::translate("QWebEnginePage",
                                             "Are you sure you want to leave this page? Changes "
                                             "that you made may not be saved.");
}

}  // namespace

bool PageDialogs::MayShow(const char* kind, const QString& text) {
  if (shown_ < kShownPerPage && !ExitRequested()) {
    ++shown_;
    return true;
  }
  // Once per page: a page looping on them would fill the log.
  if (shown_ == kShownPerPage) {
    ++shown_;
    qWarning("velmora: a page's %s and its further dialogs are not shown (too many): %s", kind,
             qPrintable(text.left(200)));
  }
  return false;
}

void PageDialogs::Alert(const QString& text) {
  if (!MayShow("alert", text)) return;
  QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  ExecLeavingExitOpen(box);
}

bool PageDialogs::Confirm(const QString& text) {
  if (IsLeavingQuestion(text)) return true;
  if (!MayShow("confirm", text)) return false;
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok | QMessageBox::Cancel);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Cancel);
  ExecLeavingExitOpen(box);
  return box.clickedButton() == box.button(QMessageBox::Ok);
}

bool PageDialogs::Prompt(const QString& text, const QString& value, QString* result) {
  if (!MayShow("prompt", text)) return false;
  QInputDialog dialog;
  dialog.setWindowTitle(QApplication::applicationDisplayName());
  dialog.setLabelText(text);
  dialog.setTextValue(value);
  if (ExecLeavingExitOpen(dialog) != QDialog::Accepted) return false;
  if (result) *result = dialog.textValue();
  return true;
}

}  // namespace velmora::platform::qt
