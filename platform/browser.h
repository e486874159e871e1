#pragma once
// The embedded HTML browser as the core sees it. Addresses and titles cross
// this boundary as 8-bit Windows-1250 text, already decoded by the platform
// (no percent-encoding, no "http://db/?" normalisation, local files as native
// paths with their "#fragment").

#include <functional>
#include <string>

namespace velmora::platform {

// Print command ids and options, by the numbers the browser interface uses.
inline constexpr int OLECMDID_PRINT = 6;
inline constexpr int OLECMDID_PRINTPREVIEW = 7;
inline constexpr int OLECMDEXECOPT_PROMPTUSER = 1;
inline constexpr int OLECMDEXECOPT_DONTPROMPTUSER = 2;
inline constexpr int OLECMDF_SUPPORTED_ENABLED = 3;

// History commands reported through CommandStateChange.
inline constexpr int CSC_NAVIGATEFORWARD = 1;
inline constexpr int CSC_NAVIGATEBACK = 2;

struct BrowserEvents {
  // Raised for every navigation before it loads; setting cancel keeps the
  // current page. The handler may navigate, show message boxes or open modal
  // windows from inside.
  std::function<void(const std::string& address, bool& cancel)> BeforeNavigate2;
  std::function<void(const std::string& title)> TitleChange;
  std::function<void()> DownloadComplete;
  std::function<void(int command, bool enable)> CommandStateChange;
};

class Browser {
 public:
  virtual ~Browser() = default;
  virtual void Navigate(const std::string& address) = 0;
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual int QueryStatusWB(int command) = 0;
  virtual void ExecWB(int command, int option) = 0;
  // Replaces the handlers; unset members are not raised.
  virtual void SetEvents(BrowserEvents events) = 0;
};

}  // namespace velmora::platform
