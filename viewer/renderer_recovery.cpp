#include "viewer/renderer_recovery.h"

#include <QEvent>
#include <QTimer>

namespace velmora::platform::qt {
namespace {

const char* StatusName(QWebEnginePage::RenderProcessTerminationStatus status) {
  switch (status) {
    case QWebEnginePage::NormalTerminationStatus:
      return "ended";
    case QWebEnginePage::AbnormalTerminationStatus:
      return "ended abnormally";
    case QWebEnginePage::CrashedTerminationStatus:
      return "crashed";
    case QWebEnginePage::KilledTerminationStatus:
      return "was killed";
  }
  return "ended";
}

}  // namespace

RendererRecovery::RendererRecovery(QWebEngineView& view, std::function<void()> reload)
    : QObject(&view), view_(&view), reload_(std::move(reload)) {
  notice_ = new QLabel(&view);
  notice_->setObjectName(QStringLiteral("RendererNotice"));
  notice_->setWordWrap(true);
  notice_->setMargin(8);
  notice_->setStyleSheet(
      QStringLiteral("background: #ffffe1; color: black; border-bottom: 1px solid #808080;"));
  notice_->hide();
  view.installEventFilter(this);
  // The view's signals follow whichever page it shows.
  connect(&view, &QWebEngineView::renderProcessTerminated, this, &RendererRecovery::Terminated);
  connect(&view, &QWebEngineView::loadFinished, this, &RendererRecovery::PlaceNotice);
  // The notice stays with the page it speaks of.
  connect(&view, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
    if (url != gonePage_) notice_->hide();
  });
}

void RendererRecovery::Terminated(QWebEnginePage::RenderProcessTerminationStatus status,
                                  int exitCode) {
  const bool again = sinceReload_.isValid() && sinceReload_.elapsed() < kReloadAgainAfterMs;
  qWarning("velmora: the page's renderer %s (code %d)%s", StatusName(status), exitCode,
           again ? ", again: not reloaded" : ", reloading");
  if (view_) gonePage_ = view_->page()->url();
  if (again) {
    ShowNotice(kRendererGoneAgain);
    return;
  }
  ShowNotice(kRendererGoneReloading);
  sinceReload_.start();
  // Not inside the engine's own report.
  QTimer::singleShot(0, this, [this] {
    if (reload_) reload_();
  });
}

void RendererRecovery::ShowNotice(const char* text) {
  notice_->setText(QString::fromUtf8(text));
  notice_->show();
  PlaceNotice();
}

void RendererRecovery::PlaceNotice() {
  if (!view_ || notice_->isHidden()) return;
  notice_->setFixedWidth(view_->width());
  notice_->adjustSize();
  notice_->move(0, 0);
  notice_->raise();
}

bool RendererRecovery::eventFilter(QObject* watched, QEvent* event) {
  // The engine puts a new surface into the view for a new renderer.
  if (watched == view_ &&
      (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded)) {
    QTimer::singleShot(0, this, &RendererRecovery::PlaceNotice);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velmora::platform::qt
