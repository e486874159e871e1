#pragma once
// Starting the browser engine: its command-line flags, and getting its
// helper processes going while the program loads its tables.

class QWebEngineView;

namespace velmora::platform::qt {

// Before QApplication is made: the engine reads its flags once, at start.
void PrepareEngineFlags();

// The engine starts its helper processes only for a first page. A blank
// page outside every window asks for them at once, so that they come up
// while the tables load; it goes when the main view has loaded its page.
void WarmUpEngine(QWebEngineView& mainView);

}  // namespace velmora::platform::qt
