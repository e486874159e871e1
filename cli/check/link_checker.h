#pragma once
// Follows links the way the viewer's link dispatcher decides them, and
// reports the ones that lead the reader to a missing file, an empty balloon
// or nothing at all.

#include <string>
#include <string_view>

#include "cli/check/disc.h"
#include "cli/check/finding.h"
#include "cli/check/html_links.h"

namespace velmora::cli::check {

// Where a link stands, for the finding.
struct Place {
  std::string file;  // as shown
  int line = 0;
  std::string link;  // UTF-8, as written
};

// What holds the links, which decides how their addresses come about.
enum class SourceKind {
  Page,          // a page of the data directory, loaded as it is
  Template,      // a template: written into the working directory, "http://db?path" replaced
  MenuTemplate,  // a menu template: also "http://db?pg" replaced for each page showing it
  Generated,     // table cells and definition files, inserted into a template
};

struct Source {
  SourceKind kind = SourceKind::Page;
  std::string path;  // core path of the file
  std::string shown;
  std::string menuName;  // lower case, for menu templates
};

class LinkChecker {
 public:
  LinkChecker(Disc& disc, Findings& findings) : disc_(disc), findings_(findings) {}

  // Every link of an HTML text; lines count from firstLine, and offsets from
  // splitAt on count one line further (a table record's continuation line).
  void CheckHtml(const Source& source, std::string_view html, int firstLine = 1,
                 std::size_t splitAt = std::string_view::npos);

  // An address the main browser is asked to go to. missingPageKind names
  // the finding when it is an ordinary page that does not exist.
  void CheckNavigation(const Place& place, const std::string& address,
                       const char* missingPageKind = "page-missing");

 private:
  void CheckLink(const Source& source, const HtmlLink& link, const Place& place);
  void CheckResolved(const Source& source, const HtmlLink& link, const Place& place,
                     const std::string& value, const std::string& forPage);
  // A name a generated page links relative to the working directory.
  bool WorkingDirectoryHas(const Source& source, const std::string& name);
  void CheckRecord(const Place& place, const std::string& marker, const std::string& key);
  void CheckLocation(const Place& place, const std::string& name);
  void CheckPhotograph(const Place& place, const std::string& picture);
  void CheckSlideSet(const Place& place, const std::string& key);
  void CheckMap(const Place& place, const std::string& key);
  void CheckTranslation(const Place& place, const std::string& key);
  void CheckWord(const Place& place, bool dictionary, const std::string& key);
  void CheckProgramFile(const Place& place, const std::string& key, bool film);
  // A page or file the address names on the disc or in the working directory.
  void CheckLocalFile(const Place& place, const std::string& address, bool mail,
                      const char* missingPageKind);
  void Add(const Place& place, const char* kind, std::string problem, std::string reader);

  Disc& disc_;
  Findings& findings_;
  std::string forPage_;  // the page a menu template is being checked for
  const Source* source_ = nullptr;
};

// Checks every page, template, shown table cell and definition file.
void CheckLinks(Disc& disc, Findings& findings);

}  // namespace velmora::cli::check
