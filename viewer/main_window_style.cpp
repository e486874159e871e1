#include "viewer/main_window_style.h"

#include <QPalette>
#include <QWidget>

namespace velmora::platform::qt::style {

QFont DefaultFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                    QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  return font;
}

QString SpeedButtonSheet() {
  return QStringLiteral(
      "QPushButton { background: rgb(243,238,218); color: black;"
      " border: 1px solid rgb(128,116,92); border-radius: 0px; padding: 0px 5px; }"
      "QPushButton:hover { background: rgb(252,249,238); border-color: rgb(90,80,60); }"
      "QPushButton:pressed, QPushButton:checked { background: rgb(214,204,176);"
      " border-top-color: rgb(80,70,50); border-left-color: rgb(80,70,50);"
      " border-bottom-color: rgb(255,255,255); border-right-color: rgb(255,255,255); }"
      "QPushButton:disabled { color: rgb(160,150,128); border-color: rgb(170,160,138); }"
      // The keyboard's place: a frame in the title strip's green.
      "QPushButton:focus { border: 2px solid rgb(30,70,36); padding: 0px 4px;"
      " background: rgb(255,252,238); outline: none; }"
      "QPushButton:checked:focus { background: rgb(214,204,176); }"
      "QLineEdit { background: white; border: 1px solid rgb(128,116,92); padding: 0px 2px; }"
      "QLineEdit:focus { border: 2px solid rgb(30,70,36); padding: 0px 1px; }");
}

void Paint(QWidget& panel, const QColor& color) {
  QPalette palette = panel.palette();
  palette.setColor(QPalette::Window, color);
  panel.setPalette(palette);
  panel.setAutoFillBackground(true);
}

}  // namespace velmora::platform::qt::style
