#include "cli/search_command.h"

#include <filesystem>
#include <optional>
#include <sstream>

#include "app/application.h"
#include "cli/command_help.h"
#include "cli/private_temp_dir.h"
#include "platform/codepage.h"
#include "recording/recording_platform.h"

namespace velmora::cli {

namespace {

std::string Quoted(const std::string& utf8) { return "\"" + recording::JsonEscape(utf8) + "\""; }

std::string KeyList(const std::vector<std::string>& keys) {
  std::string out = "[";
  for (std::size_t i = 0; i < keys.size(); ++i) {
    out += (i ? "," : "") + Quoted(platform::Iso88592ToUtf8(keys[i]));
  }
  return out + "]";
}

}  // namespace

int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> word;
  std::optional<std::string> content;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--content" && i + 1 < args.size()) {
      content = args[++i];
    } else if (!word && (args[i].empty() || args[i][0] != '-')) {
      word = args[i];
    } else {
      err << *CommandUsage("search");
      return 2;
    }
  }
  if (!word) {
    err << *CommandUsage("search");
    return 2;
  }
  if (content) {
    std::error_code ec;
    std::filesystem::current_path(*content, ec);
    if (ec) {
      err << "velmora-cli search: cannot enter content directory " << *content << "\n";
      return 2;
    }
  }
  PrivateTempDir temp;
  if (temp.path().empty()) {
    err << "velmora-cli search: cannot create a temporary directory\n";
    return 2;
  }

  std::ostringstream trace;
  recording::RecordingPlatform recording(trace, {temp.path(), std::nullopt});
  app::Application application(recording.platform());
  try {
    if (!application.Start()) {
      err << "velmora-cli search: no disc found\n";
      return 1;
    }
  } catch (const std::exception& error) {
    err << "velmora-cli search: " << platform::Win1250ToUtf8(error.what()) << "\n";
    return 1;
  }

  app::TMainForm& form = *application.MainForm();
  const std::string word1250 = platform::Utf8ToWin1250(*word);
  if (word1250.size() < 2) {
    err << "velmora-cli search: the word needs at least 2 characters\n";
    return 2;
  }
  form.MakeSearchPage(word1250);
  const app::TMainForm::SearchResults& results = form.LastSearch();

  out << "{\"word\":" << Quoted(*word) << ",\"dictionary\":" << KeyList(results.dictionaryKeys)
      << ",\"biotopes\":" << KeyList(results.biotopeKeys) << ",\"pages\":[";
  for (std::size_t i = 0; i < results.pages.size(); ++i) {
    const auto& [path, topic] = results.pages[i];
    out << (i ? "," : "") << "{\"path\":" << Quoted(platform::Win1250ToUtf8(path))
        << ",\"topic\":" << Quoted(platform::Iso88592ToUtf8(topic)) << "}";
  }
  out << "]}\n";
  return 0;
}

}  // namespace velmora::cli
