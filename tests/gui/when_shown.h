#pragma once
// Runs a scenario once inside a window's modal loop, after it is shown: the
// code that opened a modal window gets control back only when it closes.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

class WhenShown : public QObject {
 public:
  WhenShown(QWidget& window, std::function<void()> scenario)
      : window_(window), scenario_(std::move(scenario)) {
    window.installEventFilter(this);
  }
  ~WhenShown() override { window_.removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show && scenario_) {
      QTimer::singleShot(0, this, std::exchange(scenario_, nullptr));
    }
    return false;
  }

 private:
  QWidget& window_;
  std::function<void()> scenario_;
};
