#pragma once
// Which window system the viewer draws on.

namespace velmora::platform::qt {

// In a Wayland session with XWayland (WAYLAND_DISPLAY and DISPLAY set) and
// no platform asked for (QT_QPA_PLATFORM unset), chooses X11 through
// XWayland and answers true. A Wayland compositor lets no program place its
// own windows, and the viewer places its balloons beside the main browser
// and moves them by their strip. Call before the application object exists.
bool PreferXWayland();

}  // namespace velmora::platform::qt
