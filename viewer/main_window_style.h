#pragma once
// Colours, font and button look of the main window.

#include <QColor>
#include <QFont>
#include <QString>

namespace velmora::platform::qt::style {

inline const QColor kFormColor(181, 170, 147);
inline const QColor kButtonFace(243, 238, 218);
inline const QColor kTitleStripColor(68, 105, 59);

// MS Sans Serif 8 pt where it exists, else a sans-serif of similar width.
QFont DefaultFont();
// Flat speed buttons on the button face; pressed topic buttons stay sunk;
// the focused button and search box are framed.
QString SpeedButtonSheet();
// Fills a panel with a solid colour.
void Paint(QWidget& panel, const QColor& color);

}  // namespace velmora::platform::qt::style
