#pragma once
// Dialogs that leave the way out open. A modal Qt dialog blocks every other
// window, and Qt drops a blocked window's close request: a page that keeps
// raising dialogs would leave the user no way to end the program. These
// dialogs hold back the user's input to the other windows as a modal one
// does, except for the controls marked as exits; asking to close a window
// marked as an exit ends the dialog (rejected), and the close is made once
// the dialog's loop has returned, outside whatever raised it.

#include <QDialog>

namespace velmora::platform::qt {

// Shows the dialog and waits until it is answered or the user asks to close
// an exit window. Returns the dialog's result (QDialog::Rejected then).
int ExecLeavingExitOpen(QDialog& dialog);

// Marks a control (a close button) or a window (the main window) the user
// may use while such a dialog shows.
void MarkAsExit(QWidget& widget);

// Whether the user has asked to close an exit window while a dialog showed.
// The program is ending: nothing a page asks for is shown any more.
bool ExitRequested();

}  // namespace velmora::platform::qt
