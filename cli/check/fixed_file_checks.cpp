// Files the viewer needs whatever the pages link to.

#include "app/main_form_controls.h"
#include "app/support_files.h"
#include "app/texts.h"
#include "cli/check/check_texts.h"
#include "cli/check/checks.h"
#include "pages/template_files.h"
#include "tables/catalogue.h"
#include "tables/disc_files.h"

namespace velmora::cli::check {
namespace {

// Templates the page kinds load, and what is lost without each.
namespace TF = pages::template_files;
namespace DF = tables::disc_files;

struct TemplateUse {
  const char* name;
  const char* lost;
};
constexpr TemplateUse kTemplates[] = {
    {TF::kReserve, "no nature-reserve record page can be shown"},
    {TF::kPark, "no landscape-park record page can be shown"},
    {TF::kLandscape, "no protected-landscape-area record page can be shown"},
    {TF::kEconet, "no ECONET record page can be shown"},
    {TF::kNationalParkLocation, "no national-park location page can be shown"},
    {TF::kParkLocation, "no landscape-park location page can be shown"},
    {TF::kPicture, "no photograph, map or location picture can be shown"},
    {TF::kDefinition, "no dictionary definition can be shown"},
    {TF::kSearch, "the search shows no results page"},
    {TF::kSlide, "the slide show shows no slides"},
    {TF::kSlideDescription, "the slide show shows no captions"},
    {TF::kTitle, "the title strip above the page stays empty"},
};

}  // namespace

void CheckFixedFiles(Disc& disc, Findings& findings) {
  const tables::ContentPaths& paths = disc.paths();
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
  for (const char* name : {DF::kMenuTable, DF::kTreeTable}) {
    missing("table-file-missing", paths.tableDir + name, "the table file does not exist",
            "the viewer does not start");
  }

  const std::string start = paths.animDir + DF::kStartProgram;
  missing("fixed-file-missing", start, "the start-up program does not exist",
          disc.keyGiven() ? texts::Quoted(texts::Utf8(app::texts::kNoDisc + paths.contentRoot)) +
                                " and the viewer ends"
                          : texts::Quoted(texts::Utf8(app::texts::kLaunchFailed)) + " at start-up");
  missing("fixed-file-missing", paths.animDir + DF::kClosingProgram,
          "the closing program does not exist",
          texts::Quoted(texts::Utf8(app::texts::kLaunchFailed)) + " when the viewer closes");
  missing("fixed-file-missing", paths.animDir + DF::kSlideMusic,
          "the slide-show music does not exist", "slide shows without music");

  for (const app::main_form::FixedPage& button : app::main_form::kFixedPages) {
    const std::string path = paths.dataDir + std::string(button.page);
    missing("fixed-page-missing", path, "the page of a button does not exist",
            texts::Quoted(std::string(texts::kMissingFile) + texts::Utf8(path)) +
                " when the button is pressed");
  }
  const std::string startPage = paths.dataDir + DF::kStartPage;
  missing("fixed-page-missing", startPage, "the start page does not exist",
          texts::Quoted(std::string(texts::kMissingFile) + texts::Utf8(startPage)) +
              " instead of the start page");
  missing("fixed-page-missing", paths.dataDir + DF::kContentsPage,
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
