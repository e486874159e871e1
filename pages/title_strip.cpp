// The title strip above the main browser: the topic of the page on show,
// taken from its title after "temat: ".

#include "app/main_form.h"
#include "app/texts.h"

namespace velmora::app {

void TMainForm::MainWebBrowserTitleChange(const std::string& title) {
  static constexpr std::string_view kMarker = "temat: ";
  const std::size_t at = title.find(kMarker);
  if (at == std::string::npos) return;
  ShowTitleStrip(title.substr(at + kMarker.size()));
}

void TMainForm::ShowTitleStrip(const std::string& topic) {
  if (!RichEditSearch.LoadFromFile(paths.templateDir + "title.html")) return;
  ReplaceAllSearch("<!--@opis@-->", topic.empty() ? texts::kApplicationTitle : topic);
  SaveAndShow(RichEditSearch, "$$title.html", platform_.browsers.Get("TitleWebBrowser"),
              "Title strony");
}

}  // namespace velmora::app
