// Files the viewer needs whatever the pages link to.

#include "app/command_buttons.h"
#include "app/support_files.h"
#include "app/texts.h"
#include "cli/check/check_texts.h"
#include "cli/check/checks.h"
#include "tables/catalogue.h"

namespace velmora::cli::check {
namespace {

// Templates the page kinds load, and what is lost without each.
struct TemplateUse {
  const char* name;
  const char* lost;
};
constexpr TemplateUse kTemplates[] = {
    {"rp.html", "no nature-reserve record page can be shown"},
    {"pk.html", "no landscape-park record page can be shown"},
    {"OCHK.html", "no protected-landscape-area record page can be shown"},
    {"econet.html", "no ECONET record page can be shown"},
    {"pn_loc.html", "no national-park location page can be shown"},
    {"pk_loc.html", "no landscape-park location page can be shown"},
    {"chmurka.html", "no photograph, map or location picture can be shown"},
    {"dict.html", "no dictionary definition can be shown"},
    {"search.html", "the search shows no results page"},
    {"slide.html", "the slide show shows no slides"},
    {"opis.html", "the slide show shows no captions"},
    {"title.html", "the title strip above the page stays empty"},
};

}  // namespace

void CheckFixedFiles(Disc& disc, Findings& findings) {
  const app::ContentPaths& paths = disc.paths();
  const auto missing = [&](const std::string& kind, const std::string& path,
                           const std::string& problem, const std::string& reader) {
    if (disc.Exists(path)) return;
    findings.Add({kind, disc.Display(path), 0, "", problem, reader});
  };

  for (const tables::CatalogueEntry& entry : tables::kCatalogue) {
    const std::string path = paths.tableDir + std::string(entry.fileName);
    missing("table-file-missing", path, "the table file does not exist",
            "the viewer does not start");
  }
  for (const char* name : {"MENU.CSV", "DRZEWO1.CSV"}) {
    missing("table-file-missing", paths.tableDir + name, "the table file does not exist",
            "the viewer does not start");
  }

  const std::string start = paths.animDir + "start.exe";
  missing("fixed-file-missing", start, "the start-up program does not exist",
          disc.keyGiven() ? texts::Quoted(texts::Utf8(app::texts::kNoDisc + paths.contentRoot)) +
                                " and the viewer ends"
                          : texts::Quoted(texts::Utf8(app::texts::kLaunchFailed)) + " at start-up");
  missing("fixed-file-missing", paths.animDir + "fin.exe", "the closing program does not exist",
          texts::Quoted(texts::Utf8(app::texts::kLaunchFailed)) + " when the viewer closes");
  missing("fixed-file-missing", paths.animDir + "kev1.wav", "the slide-show music does not exist",
          "slide shows without music");

  for (const app::FixedPageButton& button : app::kFixedPageButtons) {
    const std::string path = paths.dataDir + std::string(button.page);
    missing("fixed-page-missing", path, "the page of a button does not exist",
            texts::Quoted(std::string(texts::kMissingFile) + texts::Utf8(path)) +
                " when the button is pressed");
  }
  const std::string startPage = paths.dataDir + "799.htm";
  missing("fixed-page-missing", startPage, "the start page does not exist",
          texts::Quoted(std::string(texts::kMissingFile) + texts::Utf8(startPage)) +
              " instead of the start page");
  missing("fixed-page-missing", paths.dataDir + "drzewo.htm",
          "the page beneath the contents tree does not exist",
          "the browser's error page behind the contents tree");

  for (const app::SupportFile& file : app::kSupportFiles) {
    const std::string path =
        (file.fromTemplates ? paths.templateDir : paths.dataDir) + std::string(file.source);
    missing("support-file-missing", path, "a support file of the generated pages does not exist",
            "generated pages without this picture, style sheet or frame");
  }
  for (const TemplateUse& use : kTemplates) {
    missing("template-missing", paths.templateDir + use.name, "the page template does not exist",
            use.lost);
  }
}

}  // namespace velmora::cli::check
