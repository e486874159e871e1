#include "navigation/link_actions.h"

#include "navigation/link_texts.h"

namespace velmora::navigation {

void ShowTranslation(const pages::PageContext& context, platform::Browser& mainBrowser,
                     const tables::Table& translations, const std::string& page) {
  const std::string name = page.substr(0, page.find(".htm"));
  const std::string number = context.columns.Dane(translations, name, 2, 0);
  if (!number.empty() && context.files.FileExists(context.paths.dataDir + number + ".htm")) {
    mainBrowser.Navigate(context.paths.dataDir + number + ".htm");
  }
}

void StartAnimation(const pages::PageContext& context, platform::Processes& processes,
                    platform::Shell& shell, const std::string& program, bool& toldNeedsWine) {
  const std::string path = context.paths.animDir + program + ".exe";
  if (!platform::LiesInsideDiscDirectory(context.files, path, context.paths.animDir,
                                         context.paths.contentRoot)) {
    context.ui.MessageBox(link_texts::kMissingFile + program, link_texts::kCaption,
                          platform::Icon::Stop);
    return;
  }
  const std::string real = context.files.RealPath(path).value_or(path);
  if (!processes.NeedsWine(real)) {
    shell.StartProgram(real);
    return;
  }
  // Every animation of a disc is alike: once is enough.
  if (toldNeedsWine) return;
  toldNeedsWine = true;
  context.ui.MessageBox(link_texts::kAnimationNeedsWine, link_texts::kAnimationCaption,
                        platform::Icon::Information);
}

}  // namespace velmora::navigation
