#include "pages/title_strip.h"

#include "pages/template_files.h"
#include "platform/handlers.h"

namespace velmora::pages {

void TitleStrip::TitleChange(const std::string& title) {
  static constexpr std::string_view kMarker = "temat: ";
  const std::size_t at = title.find(kMarker);
  if (at == std::string::npos) return;
  Show(title.substr(at + kMarker.size()));
}

void TitleStrip::Show(const std::string& topic) {
  if (!buffer_.LoadFromFile(context_.paths.templateDir + template_files::kTitle)) return;
  ReplaceAllIn(buffer_, "<!--@opis@-->", topic.empty() ? kApplicationTitle : topic);
  context_.Show(buffer_, "$$title.html", browsers_.Get(platform::names::kTitleWebBrowser),
                "Title strony");
}

}  // namespace velmora::pages
