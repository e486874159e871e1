#pragma once
// A browser whose renderer has died (crashed, killed, out of memory) would
// stay grey with no word until the next click. The user is told in the
// browser, in the program's language, and the page is loaded again; a page
// whose renderer dies again soon after that is left with the notice, so
// that a page that kills its renderer does not reload in a loop.

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>

namespace velmora::platform::qt {

// What the browser tells the user.
inline constexpr const char* kRendererGoneReloading =
    "Strona przestała działać i zostanie wczytana ponownie.";
inline constexpr const char* kRendererGoneAgain =
    "Strona ponownie przestała działać. Wybierz inną stronę.";

class RendererRecovery : public QObject {
 public:
  // `reload` loads the page on screen again, as the program's own load.
  RendererRecovery(QWebEngineView& view, std::function<void()> reload);

  // A renderer that dies within this time of the last reload is not
  // reloaded again.
  static constexpr int kReloadAgainAfterMs = 10000;

 private:
  void Terminated(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode);
  void ShowNotice(const char* text);
  void PlaceNotice();
  bool eventFilter(QObject* watched, QEvent* event) override;

  QPointer<QWebEngineView> view_;
  QLabel* notice_ = nullptr;  // a child of the view
  std::function<void()> reload_;
  QElapsedTimer sinceReload_;
  QUrl gonePage_;
};

}  // namespace velmora::platform::qt
