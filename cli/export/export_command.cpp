#include "cli/export/export_command.h"

#include <malloc.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/command_help.h"
#include "cli/export/disc_icon.h"
#include "cli/export/export_icon.h"
#include "cli/export/exporter.h"
#include "cli/export/html_text.h"
#include "cli/export/site_link_check.h"
#include "cli/export/site_sink.h"
#include "cli/export/zim_sink.h"
#include "cli/install_image.h"
#include "cli/private_temp_dir.h"
#include "cli/progress.h"
#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "tables/startup_error.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;
using namespace exporting;

struct ExportArgs {
  std::optional<std::string> disc;
  std::optional<std::string> site;
  std::optional<std::string> zim;
  std::optional<std::string> checkSite;
  bool quiet = false;
};

bool ParseArgs(const std::vector<std::string>& args, ExportArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--quiet") {
      parsed.quiet = true;
    } else if (arg == "--disc" || arg == "--site" || arg == "--zim" || arg == "--check-site") {
      if (i + 1 >= args.size()) {
        err << "velmora-cli export: " << arg << " needs a value\n" << *CommandUsage("export");
        return false;
      }
      (arg == "--disc"   ? parsed.disc
       : arg == "--site" ? parsed.site
       : arg == "--zim"  ? parsed.zim
                         : parsed.checkSite) = args[++i];
    } else {
      err << "velmora-cli export: unexpected argument: " << arg << "\n" << *CommandUsage("export");
      return false;
    }
  }
  if (parsed.checkSite && !parsed.disc && !parsed.site && !parsed.zim) return true;
  if (!parsed.disc || parsed.site.has_value() == parsed.zim.has_value() || parsed.checkSite) {
    err << "velmora-cli export: needs --disc and one of --site, --zim\n" << *CommandUsage("export");
    return false;
  }
  return true;
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
  return text;
}

// Changes the current directory for the run and back at its end: the
// viewer finds the disc in the current directory.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const fs::path& dir) {
    std::error_code ec;
    previous_ = fs::current_path(ec);
    fs::current_path(dir, ec);
    entered_ = !ec;
  }
  ~CurrentDirectory() {
    std::error_code ec;
    if (entered_) fs::current_path(previous_, ec);
  }
  bool entered() const { return entered_; }

 private:
  fs::path previous_;
  bool entered_ = false;
};

// SIGINT and SIGTERM while it lives only set a flag, so that the export
// ends between two items and its destructors remove the half output.
class Interruption {
 public:
  static inline volatile std::sig_atomic_t happened = 0;
  Interruption()
      : previousInt_(std::signal(SIGINT, &Note)), previousTerm_(std::signal(SIGTERM, &Note)) {}
  ~Interruption() {
    std::signal(SIGINT, previousInt_);
    std::signal(SIGTERM, previousTerm_);
  }
  Interruption(const Interruption&) = delete;
  Interruption& operator=(const Interruption&) = delete;

 private:
  static void Note(int) { happened = 1; }
  void (*previousInt_)(int);
  void (*previousTerm_)(int);
};

// The link check's summary; true when every link resolves inside.
bool ReportLinks(const fs::path& site, std::ostream& out) {
  const SiteLinkReport report = CheckSiteLinks(site);
  for (const std::string& link : report.unresolved) out << "unresolved: " << link << "\n";
  for (const std::string& link : report.network) out << "from the network: " << link << "\n";
  out << "Links: " << report.links << " inside the export, " << report.unresolved.size()
      << " unresolved, " << report.network.size() << " loading from the network, "
      << report.broken.size() << " leading to a broken link of the disc.\n";
  return report.unresolved.empty() && report.network.empty();
}

template <typename Sink>
std::unique_ptr<ExportSink> IfReady(std::unique_ptr<Sink> sink, std::ostream& err) {
  if (sink->Ready()) return sink;
  err << "velmora-cli export: " << sink->Error() << "\n";
  return nullptr;
}

// Where the sink writes: a site folder, or an archive with the disc's
// title and icon; null, with the reason said, when it cannot be opened.
std::unique_ptr<ExportSink> OpenSink(const ExportArgs& parsed, const fs::path& output,
                                     const fs::path& disc, ViewerSession& viewer,
                                     platform::FileSystem& files, std::ostream& err) {
  if (parsed.site) return IfReady(std::make_unique<SiteSink>(output), err);
  const std::optional<std::string> start = files.ReadFile(viewer.paths().dataDir + "799.htm");
  std::string title = start ? TitleOf(PageAsUtf8(*start)) : std::string();
  if (title.empty()) title = "Velmora";
  // The disc's own icon, as the reader knew it; the program's without one.
  std::string icon = DiscIcon48Png(disc);
  if (icon.empty()) icon = ProgramIcon48Png();
  ZimMetadata metadata{title,     "Encyklopedia przyrody Velmora z płyty CD-ROM",
                       "Velmora", "velmora-cli export",
                       Today(),   std::move(icon)};
  return IfReady(std::make_unique<ZimSink>(output, std::move(metadata)), err);
}

// The disc as a folder: itself, or an image unpacked under the temporary
// folder with the installer's limits; nullopt, with the reason said.
std::optional<fs::path> DiscFolder(const fs::path& disc, const fs::path& temp,
                                   const fs::path& output, std::ostream& err) {
  std::error_code ec;
  if (fs::is_directory(disc, ec)) return disc;
  const fs::path unpacked = temp / "disc";
  fs::create_directory(unpacked, ec);
  if (const auto error = install::UnpackDiscImage(disc, unpacked, output.parent_path())) {
    err << "velmora-cli export: " << *error << "\n";
    return std::nullopt;
  }
  return unpacked;
}

// Runs the export into the sink and says what came of it.
int WriteExport(Exporter& exporter, ExportSink& sink, const ExportArgs& parsed,
                const fs::path& output, std::ostream& out, std::ostream& err) {
  ProgressLine progress(ProgressStream(err, parsed.quiet), "export", "items");
  // Interrupted, the export stops between two items and removes what it
  // wrote, as on any failure.
  const Interruption interruption;
  const bool written = exporter.Run([&progress](const ExportCounts& counts) {
    progress.Update({counts.done, counts.total, 0, 0});
    return !Interruption::happened;
  });
  progress.Clear();
  if (Interruption::happened) {
    err << "velmora-cli export: interrupted; nothing was written\n";
    return 1;
  }
  for (const std::string& fault : exporter.Faults()) out << "broken: " << fault << "\n";
  for (const std::string& film : exporter.FilmFailures())
    out << "film not transcoded: " << film << "\n";
  if (!written) {
    err << "velmora-cli export: " << sink.Error() << "\n";
    return 1;
  }
  if (parsed.site) ReportLinks(output, out);
  out << "Exported to " << output.string() << " (" << exporter.Faults().size()
      << (exporter.Faults().size() == 1 ? " broken link" : " broken links") << ").\n";
  return 0;
}

}  // namespace

int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ExportArgs parsed;
  if (!ParseArgs(args, parsed, err)) return 2;
  std::error_code ec;
  if (parsed.checkSite) {
    if (!fs::is_directory(*parsed.checkSite, ec)) {
      err << "velmora-cli export: no such folder: " << *parsed.checkSite << "\n";
      return 2;
    }
    return ReportLinks(*parsed.checkSite, out) ? 0 : 1;
  }
  const fs::path output = fs::absolute(parsed.site ? *parsed.site : *parsed.zim, ec);
  const fs::path given = fs::absolute(*parsed.disc, ec);
  if (!fs::exists(given, ec)) {
    err << "velmora-cli export: no such disc: " << *parsed.disc << "\n";
    return 1;
  }
  if (ec || output.filename().empty()) {
    err << "velmora-cli export: not a usable output name: " << output.string() << "\n";
    return 2;
  }
  if (!parsed.site) {
    // Xapian keeps the postings of this many pages in memory before it
    // writes them (10,000 by default: the pages of a large disc took
    // hundreds of MB); read when libzim opens its index. Set before any
    // thread starts; a setting of the user's own is kept. Two malloc arenas
    // for libzim's threads instead of one each (bench/README.md).
    ::setenv("XAPIAN_FLUSH_THRESHOLD", "300", 0);
    ::mallopt(M_ARENA_MAX, 2);
  }
  PrivateTempDir temp;
  if (temp.path().empty()) {
    err << "velmora-cli export: cannot create a temporary directory\n";
    return 1;
  }
  const std::optional<fs::path> disc = DiscFolder(given, temp.path(), output, err);
  if (!disc) return 1;

  CurrentDirectory inDisc(*disc);
  if (!inDisc.entered()) {
    err << "velmora-cli export: cannot enter the disc " << disc->string() << "\n";
    return 1;
  }
  fs::create_directory(fs::path(temp.path()) / "work", ec);
  ViewerSession viewer((fs::path(temp.path()) / "work").string());
  try {
    if (!viewer.Start()) {
      err << "velmora-cli export: no disc found in " << disc->string() << "\n";
      return 1;
    }
  } catch (const std::exception& error) {
    err << "velmora-cli export: " << platform::Win1250ToUtf8(error.what()) << "\n";
    return 1;
  }

  platform::NativeFileSystem files;
  const std::unique_ptr<ExportSink> sink = OpenSink(parsed, output, *disc, viewer, files, err);
  if (!sink) return 1;
  FilmTranscoder films(fs::path(temp.path()) / "films");
  Exporter exporter(viewer, files, *sink, parsed.site.has_value(), &films);
  return WriteExport(exporter, *sink, parsed, output, out, err);
}

}  // namespace velmora::cli
