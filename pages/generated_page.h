#pragma once
// Generated pages: their file names in the working directory and the
// save-and-show step every page kind ends with.

#include <string>

#include "pages/page_buffer.h"
#include "platform/browser.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace velmora::pages {

// Followed by the path: what the program says of a page, template or picture
// that is not there.
inline constexpr const char* kMissingFile = "Brak pliku: ";

// "$$" + stem + key + ".html". The key (or word) comes from a link; the few
// characters a file name cannot hold (path separators, drive colon, NUL and
// other control characters, * ? " < > |), and the two an address reads
// differently (# starts a fragment, % an escape), are written as "%" and
// two hex digits, so that every ordinary key, Polish letters included, keeps
// its exact name, no key reaches outside the working directory, and no two
// keys share a name.
std::string GeneratedFileName(const std::string& stem, const std::string& key = {});

// The key part of a generated name, mapped as above.
std::string FileNameSafeKey(const std::string& key);

// Writes the buffer to workDir + name, then navigates the browser to that
// path if the file exists; otherwise shows kMissingFile + path with the
// caption and the error icon and leaves the browser where it was. A write
// failure counts only through the existence test, so an older file of the
// same name is shown. Returns whether the browser was navigated.
bool SaveAndShow(const PageBuffer& buffer, const std::string& workDir, const std::string& name,
                 platform::Browser& browser, const std::string& caption,
                 platform::FileSystem& files, platform::Ui& ui);

}  // namespace velmora::pages
