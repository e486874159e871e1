#pragma once
// What screen readers are told about the viewer's controls beyond what Qt
// tells by itself: the speed buttons stay push buttons also while a topic
// button shows as pressed (Qt would call it a check box), and controls the
// user never sees (the diagnostic buttons) are left out; the program's own
// windows are frames, not plain panels.

class QAbstractButton;
class QWidget;

namespace velmora::platform::qt {

// Installs the interfaces for the marked controls; more calls do nothing.
// A reader keeps the first interface made for a control: a mark must be
// set before the control is given a parent or a text.
void InstallAccessibleControls();
// A button, checkable or not, that a reader announces as a push button.
void AnnounceAsPushButton(QAbstractButton& button);
// A control never shown to the user: its parent lists it to no reader.
void HideFromReaders(QWidget& control);

}  // namespace velmora::platform::qt
