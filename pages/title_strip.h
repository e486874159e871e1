#pragma once
// The title strip above the main browser: the topic of the page on show,
// taken from its title after "temat: ".

#include <string>

#include "pages/page_context.h"
#include "platform/platform.h"

namespace velmora::pages {

class TitleStrip {
 public:
  // The strip's browser is looked up by name when a strip is shown.
  TitleStrip(PageContext context, PageBuffer& buffer, platform::Browsers& browsers)
      : context_(context), buffer_(buffer), browsers_(browsers) {}

  // The main browser's title changed.
  void TitleChange(const std::string& title);
  // The topic, or the program's title when it is empty.
  void Show(const std::string& topic);

 private:
  PageContext context_;
  PageBuffer& buffer_;
  platform::Browsers& browsers_;
};

}  // namespace velmora::pages
