// The large-picture page: a photograph or a map picture with its
// description, shown in the main browser.

#include "app/main_form.h"
#include "pages/generated_page.h"

namespace velmora::app {

void TMainForm::ShowLargePicture(const std::string& picturePath, const std::string& description,
                                 const std::string& title) {
  if (!MainRichEdit.LoadFromFile(paths.templateDir + "chmurka.html")) return;
  const std::size_t at = MainRichEdit.Find("m.jpg", 0, true);
  if (at != pages::PageBuffer::npos) MainRichEdit.Replace(at, 5, picturePath);
  ReplaceAll("<!--@opis@-->", "<I>" + description + "</i>");
  ReplaceAll("@title@", title);
  ReplaceAll("http://db?path", paths.dataDir);
  SaveAndShow(MainRichEdit, pages::GeneratedFileName("chmurka"), MainWebBrowser_, "Duza mapa");
}

}  // namespace velmora::app
