#include "viewer/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>

namespace velmora::platform::qt {

FindBar::FindBar(QWebEnginePage& page, QWidget* parent)
    : QWidget(parent), page_(page), edit_(new QLineEdit(this)), status_(new QLabel(this)) {
  setObjectName(QStringLiteral("FindBar"));
  setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(4);
  auto* label = new QLabel(QString::fromUtf8("Znajdź na stronie:"), this);
  label->setBuddy(edit_);  // the box is read out by the label's text
  layout->addWidget(label);
  edit_->setObjectName(QStringLiteral("FindText"));
  edit_->setFixedWidth(180);
  edit_->installEventFilter(this);
  layout->addWidget(edit_);
  auto addButton = [&](const QString& text, const QString& spoken, const QString& hint, auto slot) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setAccessibleName(spoken);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, slot);
    layout->addWidget(button);
  };
  addButton(QString::fromUtf8("▲"), QString::fromUtf8("Poprzednie"),
            QString::fromUtf8("Poprzednie (Shift+Enter)"), &FindBar::FindPrevious);
  addButton(QString::fromUtf8("▼"), QString::fromUtf8("Następne"),
            QString::fromUtf8("Następne (Enter)"), &FindBar::FindNext);
  status_->setObjectName(QStringLiteral("FindStatus"));
  layout->addWidget(status_);
  layout->addStretch(1);
  addButton(QStringLiteral("x"), QStringLiteral("Zamknij"), QString::fromUtf8("Zamknij (Esc)"),
            &FindBar::Close);

  connect(edit_, &QLineEdit::textEdited, this, [this] { Find(false); });
  connect(&page_, &QWebEnginePage::findTextFinished, this, &FindBar::Finished);
  hide();
}

void FindBar::Open() {
  show();
  raise();
  edit_->setFocus(Qt::ShortcutFocusReason);
  edit_->selectAll();
  if (!edit_->text().isEmpty()) Find(false);
}

void FindBar::Close() {
  if (!isVisible()) return;
  hide();
  page_.findText(QString());  // clears the highlight
  status_->clear();
  matches_ = active_ = 0;
  emit closed();
}

void FindBar::FindNext() { Find(false); }
void FindBar::FindPrevious() { Find(true); }

void FindBar::Find(bool backward) {
  const QString text = edit_->text();
  if (text.isEmpty()) {
    page_.findText(QString());
    status_->clear();
    matches_ = active_ = 0;
    emit searched();
    return;
  }
  page_.findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void FindBar::Finished(const QWebEngineFindTextResult& result) {
  matches_ = result.numberOfMatches();
  active_ = result.activeMatch();
  if (edit_->text().isEmpty()) {
    status_->clear();
  } else if (matches_ == 0) {
    status_->setText(QString::fromUtf8("Nie znaleziono"));
  } else {
    status_->setText(QStringLiteral("%1 / %2").arg(active_).arg(matches_));
  }
  emit searched();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Find(key->modifiers() & Qt::ShiftModifier);
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      Close();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmora::platform::qt
