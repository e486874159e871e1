#pragma once
// Input and pictures in GUI tests as a user gives and sees them. On X11
// (QT_QPA_PLATFORM=xcb) clicks and keys go through the X server with xdotool
// when it is installed, so that a control hidden under another window or
// off the screen cannot be hit; elsewhere they are given to the window.

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include "gui_wait.h"

namespace gui_input {

// Not through XWayland, whose X server takes no input made up by a client.
inline bool ThroughXServer() {
  static const bool through = QGuiApplication::platformName() == QLatin1String("xcb") &&
                              qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                              !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
  return through;
}

inline void Xdotool(const QStringList& arguments) {
  QProcess::execute(QStringLiteral("xdotool"), arguments);
}

// A left click in the middle of the control, as the user gives it.
inline void ClickOn(QWidget* control) {
  const QPoint middle = control->rect().center();
  if (ThroughXServer()) {
    const QPoint at = control->mapToGlobal(middle);
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
             QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    return;
  }
  QWidget* window = control->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, middle));
}

// The Escape key to the window that has the keyboard.
inline void PressEscape(QWidget* window) {
  if (ThroughXServer()) {
    Xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    return;
  }
  QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
}

// A key, named as xdotool names it ("Tab", "shift+Tab", "alt+F4", "Return",
// "space"), to the window that has the keyboard.
inline void PressKey(const QString& name) {
  if (ThroughXServer()) {
    Xdotool({QStringLiteral("key"), name});
    return;
  }
  static const QMap<QString, Qt::Key> keys = {
      {QStringLiteral("Tab"), Qt::Key_Tab},       {QStringLiteral("Return"), Qt::Key_Return},
      {QStringLiteral("Escape"), Qt::Key_Escape}, {QStringLiteral("space"), Qt::Key_Space},
      {QStringLiteral("Left"), Qt::Key_Left},     {QStringLiteral("Right"), Qt::Key_Right},
      {QStringLiteral("Up"), Qt::Key_Up},         {QStringLiteral("Down"), Qt::Key_Down},
      {QStringLiteral("F4"), Qt::Key_F4},         {QStringLiteral("F6"), Qt::Key_F6}};
  QStringList parts = name.split(QLatin1Char('+'));
  const QString key = parts.takeLast();
  Qt::KeyboardModifiers modifiers;
  for (const QString& modifier : parts) {
    if (modifier == QLatin1String("shift")) modifiers |= Qt::ShiftModifier;
    if (modifier == QLatin1String("alt")) modifiers |= Qt::AltModifier;
    if (modifier == QLatin1String("ctrl")) modifiers |= Qt::ControlModifier;
  }
  Qt::Key code = keys.value(key, Qt::Key_unknown);
  if (code == Qt::Key_Tab && modifiers == Qt::ShiftModifier) code = Qt::Key_Backtab;
  if (QWindow* window = QGuiApplication::focusWindow()) QTest::keyClick(window, code, modifiers);
}

// Text typed into the focused control.
inline void TypeText(const QString& text) {
  if (ThroughXServer()) {
    Xdotool({QStringLiteral("type"), text});
    return;
  }
  if (QWindow* window = QGuiApplication::focusWindow()) {
    for (const QChar letter : text) QTest::keyClick(window, letter.toLatin1());
  }
}

// Gives the engine and the player a moment to paint.
inline void Settle(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  WaitUntil([&] { return clock.elapsed() >= milliseconds; });
}

// With VELMORA_SCREENSHOT_DIR set, saves what the user sees: the whole X
// screen on X11, else the given window.
inline void Shoot(QWidget& window, const QString& name) {
  const QString directory = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
  if (directory.isEmpty()) return;
  Settle(1500);
  const QString file = directory + QLatin1Char('/') + name;
  if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    // The compositor's output, panel included (weston started with --debug).
    QDir shots(directory);
    QProcess shooter;
    shooter.setWorkingDirectory(directory);
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    WaitUntil([&] { return shooter.state() == QProcess::NotRunning; }, 10000);
    for (const QString& taken :
         shots.entryList({QStringLiteral("wayland-screenshot-*.png")}, QDir::Files)) {
      shots.remove(name);
      shots.rename(taken, name);
    }
  } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-window"), QStringLiteral("root"), file});
  } else {
    window.grab().save(file, "PNG");
  }
}

}  // namespace gui_input
