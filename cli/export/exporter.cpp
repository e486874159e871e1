#include "cli/export/exporter.h"

#include <filesystem>

#include "cli/export/html_text.h"
#include "cli/export/own_pages.h"
#include "navigation/link_protocol.h"
#include "navigation/link_texts.h"
#include "platform/codepage.h"
#include "platform/native_path.h"
#include "windows/media_texts.h"
#include "windows/slide_form.h"

namespace velmora::cli::exporting {

namespace {

namespace fs = std::filesystem;

std::string DirectoryOf(const std::string& corePath) {
  const std::size_t slash = corePath.rfind('/');
  return slash == std::string::npos ? std::string() : corePath.substr(0, slash + 1);
}

bool IsPageName(const std::string& path) {
  const std::string lower = platform::LowerAscii(path);
  return lower.ends_with(".htm") || lower.ends_with(".html");
}

}  // namespace

Exporter::Exporter(ViewerSession& viewer, platform::FileSystem& files, ExportSink& sink,
                   bool withSearch, FilmTranscoder* films)
    : viewer_(viewer),
      files_(files),
      sink_(sink),
      exportPaths_(viewer.paths(), files),
      withSearch_(withSearch),
      films_(films),
      dataDir_(files.RealPath(viewer.paths().dataDir).value_or(viewer.paths().dataDir)) {
  if (!dataDir_.ends_with('/')) dataDir_ += '/';
  // Every page links it: looked up once, not stat'ed again for each.
  const std::optional<DiscFile> start =
      exportPaths_.ForDiscFile(viewer.paths().dataDir + "799.htm");
  mainPath_ = start ? start->path : std::string(kTreePage);
}

std::string Exporter::Want(Job job) {
  std::string path = job.path;
  if (wanted_.Insert(path)) queue_.push_back(std::move(job));
  return path;
}

std::string Exporter::WantBroken(const std::string& what, const std::string& message) {
  const std::string shownWhat = Display(what);
  const std::string path = "gen/broken/" + SafeName(shownWhat) + ".html";
  const std::string said = Display(message);
  if (!wanted_.Contains(path)) {
    faults_.push_back((page_.empty() ? std::string("tables") : page_) + ": " + shownWhat + ": " +
                      said);
  }
  return Want({path, Make::Broken, shownWhat, said});
}

std::string Exporter::Display(const std::string& text) {
  // The message as the viewer says it, with the paths of this computer cut
  // to the disc's own and on one line, in UTF-8.
  std::string shown = text;
  const tables::ContentPaths& paths = viewer_.paths();
  for (const std::string& root : {paths.installRoot, paths.contentRoot, paths.workDir}) {
    for (const std::string& spelling : {root, platform::LowerAscii(root)}) {
      for (std::size_t at = shown.find(spelling); !spelling.empty() && at != std::string::npos;
           at = shown.find(spelling, at)) {
        shown.erase(at, spelling.size());
      }
    }
  }
  std::string line;
  for (const char c : shown) {
    if (c == '\r') continue;
    line += c == '\n' ? ' ' : c;
  }
  return platform::Win1250ToUtf8(line);
}

std::string Exporter::WantDiscFile(const std::string& corePath) {
  const std::optional<DiscFile> file = exportPaths_.ForDiscFile(corePath);
  if (!file) {
    return WantBroken(corePath, navigation::link_texts::kMissingFile + corePath);
  }
  return Want(
      {file->path, IsPageName(file->path) ? Make::DiscPage : Make::DiscFile, file->real, {}});
}

void Exporter::Plant(const Seed& seed) {
  page_.clear();  // what it finds broken is the tables' fault
  if (seed.kind == Seed::Kind::DiscFile) {
    WantDiscFile(seed.value);
    return;
  }
  const std::string target = NavigationTarget(seed.value);
  // The dictionaries' headings also go to the search index.
  if (withSearch_ && seed.definitionKind != 0) {
    search_.AddDefinition(seed.definitionKind, seed.key, seed.heading, target);
  }
}

bool Exporter::Run(const std::function<bool(const ExportCounts&)>& progress) {
  WantDiscFile(viewer_.paths().dataDir + "799.htm");
  Want({kTreePage, Make::Tree, {}, {}});
  // The tables' keys and the disc's files are seeded only as the queue
  // runs dry: the queue stays as short as one page's links.
  ExportSeeds seeds(viewer_.form(), files_);
  std::size_t done = 0;
  for (;;) {
    while (queue_.empty()) {
      const std::optional<Seed> seed = seeds.Next();
      if (!seed) break;
      Plant(*seed);
    }
    if (queue_.empty()) break;
    const Job job = std::move(queue_.front());
    queue_.pop_front();
    if (!Produce(job) || failed_) return false;
    // The tables' files are read through from end to end by the seeds and
    // the pages: what was read goes from memory now and then.
    if (++done % 1024 == 0) viewer_.form().ReleaseTableText();
    if (progress && !progress({done, done + queue_.size() + seeds.Remaining()})) return false;
  }
  // Every path is written now but the export's own, which no other takes:
  // the set goes before the sink's finishing needs its memory.
  wanted_.Release();
  if (!Emit(kScriptFile, PopupScript(), false) || !Emit(kStyleFile, PopupStyle(), false)) {
    return false;
  }
  if (withSearch_ &&
      (!Emit(kSearchScript, SearchScript(), false) ||
       !Emit(kSearchIndex, search_.Script(), false) ||
       !Emit(kSearchPage, SearchPage(RelativeLink(kSearchPage, kStyleFile)), false))) {
    return false;
  }
  return sink_.Finish(MainPath());
}

bool Exporter::Emit(const std::string& path, std::string content, bool page) {
  ExportItem item;
  item.path = path;
  item.mimeType = MimeTypeOf(path);
  if (page) {
    item.title = TitleOf(content);
    if (item.title.empty()) item.title = path;
  }
  item.content = std::move(content);
  item.page = page;
  return sink_.Add(item);
}

bool Exporter::Produce(const Job& job) {
  page_ = job.path;
  switch (job.make) {
    case Make::DiscFile: {
      ExportItem item;
      item.path = job.path;
      item.mimeType = MimeTypeOf(job.path);
      item.sourceFile = platform::native::ToNative(job.source);
      return sink_.Add(item);
    }
    case Make::DiscPage:
      return MakeDiscPage(job);
    case Make::Follow:
      return MakeFollowed(job);
    case Make::Gallery:
      return MakeGallery(job);
    case Make::Tree:
      return MakeTree(job);
    case Make::Film:
      return MakeFilm(job);
    case Make::Animation:
      return Emit(job.path,
                  NotePage("Animacja: " + platform::Win1250ToUtf8(job.source),
                           "Ta animacja to program dołączony do płyty (Anim/" +
                               EscapeHtml(platform::Win1250ToUtf8(job.source)) +
                               ".exe); działa tylko w przeglądarce płyty.",
                           false),
                  true);
    case Make::Broken:
      return Emit(
          job.path,
          NotePage("Brak strony",
                   EscapeHtml(job.note) + "<br>Ten odnośnik płyty nie prowadzi do niczego.", true),
          false);
  }
  return true;
}

std::string Exporter::MessagesText() {
  std::string text;
  // The trace gives them in UTF-8 already.
  for (const std::string& message : viewer_.TakeMessages()) {
    if (!text.empty()) text += ' ';
    text += Display(platform::Utf8ToWin1250(message));
  }
  return text;
}

bool Exporter::MakeDiscPage(const Job& job) {
  const std::optional<std::string> html = files_.ReadFile(job.source);
  if (!html) return Emit(job.path, NotePage("Brak strony", "", true), false);
  std::string menuPath;
  if (const std::optional<std::string> menu = viewer_.Menu(job.source)) {
    // One page for each menu and page number, as the viewer makes it anew
    // only for another one (pages 123 and 123a share it).
    menuPath = "gen/menu/" + SafeName(viewer_.form().LastMenu()) + ".html";
    const std::optional<std::string> menuHtml = files_.ReadFile(navigation::LocalPath(*menu));
    if (!menuHtml) {
      menuPath.clear();
    } else if (wanted_.Insert(menuPath) &&
               !Emit(menuPath,
                     ExportPage(*menuHtml, viewer_.paths().workDir, menuPath, PageFrame::Popup, {}),
                     false)) {
      return false;
    }
  }
  MessagesText();  // a missing menu template: the menu check reports it
  page_ = job.path;
  // The pages the viewer's search reads: "*.htm" of the data directory.
  if (withSearch_ && DirectoryOf(job.source) == dataDir_ &&
      platform::LowerAscii(job.source).ends_with(".htm")) {
    search_.AddPage(job.path, *html);
  }
  return Emit(job.path,
              ExportPage(*html, DirectoryOf(job.source), job.path, PageFrame::Whole, menuPath),
              true);
}

bool Exporter::MakeFollowed(const Job& job) {
  const std::optional<Shown> shown = viewer_.Follow(job.source);
  const std::string messages = MessagesText();
  const std::string file = shown ? navigation::LocalPath(shown->address) : std::string();
  const std::string& workDir = viewer_.paths().workDir;
  std::optional<std::string> html;
  if (shown && file.starts_with(workDir)) html = files_.ReadFile(file);
  if (html) {
    if (!messages.empty()) faults_.push_back(job.path + ": " + messages);
    return Emit(
        job.path,
        ExportPage(*html, workDir, job.path,
                   shown->where == ShownIn::Balloon ? PageFrame::Popup : PageFrame::Whole, {}),
        true);
  }
  if (shown && exportPaths_.ForDiscFile(file)) {
    // A page or picture of the disc itself.
    return Emit(job.path, RedirectPage(RelativeLink(job.path, WantDiscFile(file))), false);
  }
  const std::string said = messages.empty() ? "nic się nie dzieje" : messages;
  faults_.push_back(job.path + ": " + Display(job.source) + ": " + said);
  return Emit(
      job.path,
      NotePage("Brak strony", EscapeHtml(Display(job.source)) + "<br>" + EscapeHtml(said), true),
      false);
}

bool Exporter::MakeGallery(const Job& job) {
  app::TMainForm& form = viewer_.form();
  const tables::ContentPaths& paths = viewer_.paths();
  const std::vector<std::string> names = windows::UsableSlides(
      form.CatalogueTable(tables::kSlideTable), job.source, files_, paths.photoDir);
  const std::string title = "Pokaz slajdów: " + platform::Win1250ToUtf8(job.source);
  if (names.empty()) {
    const std::string said = platform::Win1250ToUtf8(windows::media_texts::kSlideNotDefined) +
                             platform::Win1250ToUtf8(job.source);
    faults_.push_back(job.path + ": " + said);
    return Emit(job.path, NotePage(title, EscapeHtml(said), true), false);
  }
  std::vector<Slide> slides;
  for (const std::string& name : names) {
    // The slide show's description: the photograph's key is the name
    // without its prefix letter.
    const std::string key = name.size() > 1 ? name.substr(1) : std::string();
    std::string line = form.Dane(form.CatalogueTable(tables::kPhotoTable), key, 5, 0);
    if (!line.empty()) line += " - ";
    line += form.Dane(form.CatalogueTable(tables::kPhotoTable), key, 7, 0);
    slides.push_back({RelativeLink(job.path, WantDiscFile(paths.photoDir + name + ".jpg")),
                      platform::Iso88592ToUtf8(line)});
  }
  const std::string sound = paths.animDir + "kev1.wav";
  const std::string soundLink =
      files_.FileExists(sound) ? RelativeLink(job.path, WantDiscFile(sound)) : std::string();
  return Emit(job.path, GalleryPage(title, slides, soundLink, RelativeLink(job.path, kStyleFile)),
              true);
}

bool Exporter::MakeTree(const Job& job) {
  app::TMainForm& form = viewer_.form();
  std::vector<TreeEntry> entries;
  for (int index = 0; index < tables::kTreeNodeCount; ++index) {
    const tables::TreeNode& node = tables::kTreeNodes[static_cast<std::size_t>(index)];
    TreeEntry entry{node.level, platform::Win1250ToUtf8(node.text), {}};
    const std::string& page = form.TreePageNames()[static_cast<std::size_t>(index)];
    if (!page.empty() && !tables::TreeNodeHasChildren(index)) {
      entry.link = RelativeLink(job.path, WantDiscFile(viewer_.paths().dataDir + page));
    }
    entries.push_back(std::move(entry));
  }
  return Emit(job.path, TreePage(entries, RelativeLink(job.path, kStyleFile)), true);
}

bool Exporter::MakeFilm(const Job& job) {
  const std::string title = "Film: " + platform::Win1250ToUtf8(job.note);
  const std::string original = RelativeLink(job.path, WantDiscFile(job.source));
  std::string error;
  const std::string name = SafeName(job.note);
  const std::optional<fs::path> webm = films_->Transcode(
      platform::native::ToNative(files_.RealPath(job.source).value_or(job.source)), name, error);
  std::string video;
  if (webm) {
    const std::string videoPath = "gen/film/" + name + ".webm";
    ExportItem item;
    item.path = videoPath;
    item.mimeType = MimeTypeOf(videoPath);
    item.sourceFile = *webm;
    if (!sink_.Add(item)) return false;
    video = RelativeLink(job.path, videoPath);
  } else {
    filmFailures_.push_back(job.path + ": " + Display(job.source) + ": " + error);
  }
  return Emit(job.path, FilmPage(title, video, error, original, RelativeLink(job.path, kStyleFile)),
              true);
}

std::string Exporter::ExportPage(const std::string& html, const std::string& sourceDir,
                                 const std::string& path, PageFrame frame,
                                 const std::string& menuPath) {
  std::string page = PageAsUtf8(Rewrite(html, sourceDir, path));
  const std::string style = RelativeLink(path, kStyleFile);
  if (frame == PageFrame::Popup) {
    return InsertIntoHead(
        page, std::string(kFramedHead) + "<link rel=\"stylesheet\" href=\"" + style + "\">");
  }
  PageChrome chrome{style,
                    RelativeLink(path, kScriptFile),
                    RelativeLink(path, MainPath()),
                    RelativeLink(path, kTreePage),
                    menuPath.empty() ? std::string() : RelativeLink(path, menuPath),
                    withSearch_ ? RelativeLink(path, kSearchPage) : std::string()};
  page = InsertIntoHead(page, ChromeHead(chrome));
  if (frame == PageFrame::InFrame) return page;
  return InsertAtBodyEnd(InsertAtBodyStart(page, TitleStrip(TitleOf(page))), ChromeBodyEnd(chrome));
}

std::string Exporter::Rewrite(const std::string& html, const std::string& sourceDir,
                              const std::string& path) {
  page_ = path;
  std::string out;
  out.reserve(html.size() + html.size() / 8);
  std::size_t copied = 0;
  for (const check::HtmlLink& link : check::ExtractLinks(html)) {
    const std::string target = Target(link, sourceDir);
    if (target.empty() || link.offset < copied) continue;
    out.append(html, copied, link.offset - copied);
    out += target;
    copied = link.offset + link.length;
  }
  out.append(html, copied, std::string::npos);
  return out;
}

}  // namespace velmora::cli::exporting
