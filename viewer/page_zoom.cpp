#include "viewer/page_zoom.h"

#include <QApplication>
#include <QSettings>
#include <QWebEngineView>
#include <QWheelEvent>
#include <algorithm>
#include <array>

namespace velmora::platform::qt {
namespace {

// The steps a browser user knows; the content was laid out for 100 %.
constexpr std::array<double, 13> kSteps{0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                        1.25, 1.5,  1.75, 2.0, 2.5, 3.0};
const char* const kKey = "zoom";

QSettings UserSettings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("viewer")); }

}  // namespace

PageZoom::PageZoom(QWebEngineView& view) : QObject(&view), view_(view) {
  factor_ = StoredFactor();
  // The engine may reset the factor when a page of another origin loads.
  connect(&view_, &QWebEngineView::loadFinished, this, &PageZoom::Apply);
  connect(&view_, &QWebEngineView::urlChanged, this, &PageZoom::Apply);
  // Wheel events go to the engine's inner widget; watch them application-wide.
  qApp->installEventFilter(this);
  Apply();
}

PageZoom::~PageZoom() { qApp->removeEventFilter(this); }

double PageZoom::StoredFactor() {
  bool ok = false;
  const double stored = UserSettings().value(kKey, 1.0).toDouble(&ok);
  if (!ok || stored < kSteps.front() || stored > kSteps.back()) return 1.0;
  return stored;
}

void PageZoom::ZoomIn() {
  auto next = std::upper_bound(kSteps.begin(), kSteps.end(), factor_ + 0.001);
  if (next != kSteps.end()) SetFactor(*next);
}

void PageZoom::ZoomOut() {
  auto next = std::lower_bound(kSteps.begin(), kSteps.end(), factor_ - 0.001);
  if (next != kSteps.begin()) SetFactor(*std::prev(next));
}

void PageZoom::Reset() { SetFactor(1.0); }

void PageZoom::SetFactor(double factor) {
  factor_ = factor;
  Apply();
  QSettings settings = UserSettings();
  settings.setValue(kKey, factor_);
}

void PageZoom::Apply() {
  if (!qFuzzyCompare(view_.zoomFactor(), factor_)) view_.setZoomFactor(factor_);
}

bool PageZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || (widget != &view_ && !view_.isAncestorOf(widget))) return false;
  auto* wheel = static_cast<QWheelEvent*>(event);
  if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
  const int delta = wheel->angleDelta().y();
  if (delta > 0) ZoomIn();
  if (delta < 0) ZoomOut();
  return true;
}

}  // namespace velmora::platform::qt
