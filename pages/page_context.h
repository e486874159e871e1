#pragma once
// What every generated page kind works with: where the content lies, the
// file system, the user interface for its messages and the column accessor.

#include <string>

#include "pages/generated_page.h"
#include "pages/page_buffer.h"
#include "pages/replacement.h"
#include "platform/browser.h"
#include "platform/file_system.h"
#include "platform/ui.h"
#include "tables/column_accessor.h"
#include "tables/content_paths.h"

namespace velmora::pages {

// The program's title, shown where a page has no topic of its own.
inline constexpr const char* kApplicationTitle = "Velmora";

struct PageContext {
  const tables::ContentPaths& paths;
  platform::FileSystem& files;
  platform::Ui& ui;
  tables::ColumnAccessor& columns;

  // Writes the page into the working directory and shows it (SaveAndShow).
  bool Show(const PageBuffer& buffer, const std::string& name, platform::Browser& browser,
            const std::string& caption) const {
    return SaveAndShow(buffer, paths.workDir, name, browser, caption, files, ui);
  }
};

}  // namespace velmora::pages
