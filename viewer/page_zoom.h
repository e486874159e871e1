#pragma once
// Zoom of the main page: Ctrl + wheel and Ctrl++ / Ctrl+- / Ctrl+0. The
// level holds across pages and across runs; it is kept in the user's own
// settings (organisation "Velmora", application "viewer", key "zoom"), never
// in the content's key.

#include <QObject>

class QWebEngineView;

namespace velmora::platform::qt {

class PageZoom : public QObject {
  Q_OBJECT
 public:
  // Applies the remembered level to the view at once.
  explicit PageZoom(QWebEngineView& view);
  ~PageZoom() override;

  void ZoomIn();
  void ZoomOut();
  void Reset();
  double Factor() const { return factor_; }

  // Where the level is remembered between runs.
  static double StoredFactor();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetFactor(double factor);
  void Apply();

  QWebEngineView& view_;
  double factor_ = 1.0;
};

}  // namespace velmora::platform::qt
