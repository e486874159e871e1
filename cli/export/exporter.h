#pragma once
// Walks everything a reader of the disc can reach, from the start page and
// from every key of the tables, and hands it to the sink one item at a
// time: the disc's pages with their links rewritten to paths inside the
// export, its files as they are, and the pages the viewer generates, made
// by the viewer's own code.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "cli/check/html_links.h"
#include "cli/export/export_paths.h"
#include "cli/export/export_seeds.h"
#include "cli/export/export_sink.h"
#include "cli/export/film_transcoder.h"
#include "cli/export/path_set.h"
#include "cli/export/search_index.h"
#include "cli/export/viewer_session.h"

namespace velmora::cli::exporting {

struct ExportCounts {
  std::size_t done = 0;
  std::size_t total = 0;  // known so far
};

class Exporter {
 public:
  // withSearch: the static site's own search page and index (an archive
  // has the reader's full-text search). films: where films become WebM;
  // without one a film links the disc's AVI.
  Exporter(ViewerSession& viewer, platform::FileSystem& files, ExportSink& sink, bool withSearch,
           FilmTranscoder* films = nullptr);

  // Writes everything and finishes the sink; false when the sink failed
  // or progress answered false (the export is given up).
  bool Run(const std::function<bool(const ExportCounts&)>& progress);

  // What a reader meets broken, UTF-8, one line each.
  const std::vector<std::string>& Faults() const { return faults_; }
  // Films left as the disc's AVI (the page says why), one line each.
  const std::vector<std::string>& FilmFailures() const { return filmFailures_; }
  // The export path of the start page.
  const std::string& MainPath() const { return mainPath_; }

 private:
  enum class Make {
    DiscFile,   // copied as it is
    DiscPage,   // a page of the disc, links rewritten
    Follow,     // a link the viewer answers with a generated page
    Gallery,    // a slide show
    Animation,  // a note: the program is not run
    Film,       // a page playing the film transcoded
    Tree,       // the contents tree
    Broken,     // the page a broken link leads to
  };
  struct Job {
    std::string path;  // in the export
    Make make = Make::Broken;
    std::string source;  // a core path, a link, a key: what it is made from
    std::string note;    // for broken ones: what the viewer said
  };

  // Queues the job unless its path is wanted already; returns its path.
  std::string Want(Job job);
  std::string WantBroken(const std::string& what, const std::string& message);
  // Wants what the seed names, as its link or its file would.
  void Plant(const Seed& seed);
  bool Produce(const Job& job);
  bool Emit(const std::string& path, std::string content, bool page);

  bool MakeDiscPage(const Job& job);
  bool MakeFollowed(const Job& job);
  bool MakeGallery(const Job& job);
  bool MakeTree(const Job& job);
  bool MakeFilm(const Job& job);
  enum class PageFrame {
    Whole,    // a page of the tab: script, style, the bar and the menu
    InFrame,  // a frame of such a page: script and style
    Popup,    // a menu or pop-up: its links open in the whole tab
  };
  // A page of the viewer's, from sourceDir, as it stands at path.
  std::string ExportPage(const std::string& html, const std::string& sourceDir,
                         const std::string& path, PageFrame frame, const std::string& menuPath);
  std::string Rewrite(const std::string& html, const std::string& sourceDir,
                      const std::string& path);
  // The export path a link of the page leads to, or the value to keep.
  std::string Target(const check::HtmlLink& link, const std::string& sourceDir);
  std::string NavigationTarget(const std::string& address);
  std::string ResourceTarget(const std::string& address);
  // A file of the viewer's working directory, empty for any other.
  std::string WorkingDirectoryTarget(const std::string& address);
  std::string WantDiscFile(const std::string& corePath);
  std::string MessagesText();
  std::string Display(const std::string& text);

  ViewerSession& viewer_;
  platform::FileSystem& files_;
  ExportSink& sink_;
  ExportPaths exportPaths_;
  bool withSearch_;
  FilmTranscoder* films_;
  SearchIndex search_;
  std::string dataDir_;  // real
  std::string mainPath_;
  // Short: what the pages produced so far lead to, and the next seed.
  std::deque<Job> queue_;
  PathSet wanted_;
  std::vector<std::string> faults_;
  std::vector<std::string> filmFailures_;
  std::string page_;     // the export path of the page being rewritten
  bool failed_ = false;  // the sink failed in the middle of a page
};

}  // namespace velmora::cli::exporting
