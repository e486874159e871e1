// The link dispatcher: decides every navigation of the main browser by the
// private link protocol, in a fixed order of rows.

#include <array>
#include <string_view>

#include "app/main_form.h"
#include "navigation/link_texts.h"
#include "platform/codepage.h"

namespace velmora::app {

namespace {

// The text after the first occurrence of key, or nullopt when key is absent.
std::optional<std::string> TextAfter(const std::string& address, std::string_view key) {
  const std::size_t at = address.find(key);
  if (at == std::string::npos) return std::nullopt;
  return address.substr(at + key.size());
}

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

// "?sh" + prefix letter + key + ".jpg": the key without the prefix letter.
std::string PhotoKey(const std::string& pictureName) {
  const std::size_t jpg = pictureName.find(".jpg");
  if (jpg == std::string::npos || jpg < 2) return {};
  return pictureName.substr(1, jpg - 1);
}

}  // namespace

void TMainForm::MainWebBrowserBeforeNavigate2(const std::string& address, bool& cancel) {
  if (searching_) {
    // The search holds the main page buffer: what the user asked for is
    // shown when it is done.
    deferredNavigation_ = address;
    cancel = true;
    return;
  }
  const std::string lower = platform::LowerAscii(address);
  currentAddress = lower;

  // Rows 1-4: record links, case-sensitive on the address as received.
  for (const char* kind : {"?rp", "?pk", "?ok", "?ec"}) {
    if (OpenRecordLink(address, kind)) {
      cancel = true;
      return;
    }
  }
  if (auto key = TextAfter(lower, "?pn")) {
    ShowNationalPark(*key);
  } else if (auto map = TextAfter(lower, "?map-")) {
    ShowLocation(*map, 1);
  } else if (auto location = TextAfter(lower, "?ml-")) {
    ShowLocation(*location, 2);
  } else if (auto picture = TextAfter(lower, "?sh")) {
    const std::string key = PhotoKey(*picture);
    std::string description = Dane(SG_Foto, key, 5, 0) + "<br>" + Dane(SG_Foto, key, 7, 0);
    const std::string photographer = Dane(SG_Foto, key, 6, 0);
    if (!photographer.empty()) description += "<br> fot. " + photographer;
    ShowLargePicture(paths.photoDir + *picture, description, "");
  } else if (auto page = TextAfter(lower, "?trans-")) {
    const std::string name = page->substr(0, page->find(".htm"));
    const std::string number = Dane(SG_Trans, name, 2, 0);
    if (!number.empty() && files_.FileExists(paths.dataDir + number + ".htm")) {
      MainWebBrowser_.Navigate(paths.dataDir + number + ".htm");
    }
  } else if (auto word = TextAfter(lower, "?dic")) {
    ShowDictionaryLink(1, *word);
  } else if (auto biotope = TextAfter(lower, "?bio")) {
    ShowDictionaryLink(2, *biotope);
  } else if (auto program = TextAfter(lower, "?anim")) {
    // Only a program of the animation directory runs, however the name
    // climbs out of it ("../", links): anything else is a missing file.
    const std::string path = paths.animDir + *program + ".exe";
    if (platform::LiesInside(files_, path, paths.animDir)) {
      platform_.shell.StartProgram(files_.RealPath(path).value_or(path));
    } else {
      ui_.MessageBox(link_texts::kMissingFile + *program, link_texts::kCaption,
                     platform::Icon::Stop);
    }
  } else if (auto slideSet = TextAfter(lower, "?ss")) {
    ShowSlideShow(*slideSet);
  } else if (auto film = TextAfter(lower, "?mv")) {
    ShowMovie(*film);
  } else if (Contains(lower, "?tree")) {
    ShowTreePage();
  } else if ((Contains(lower, "http:") || Contains(lower, "https:")) &&
             platform::IsOutsideAddress(lower)) {
    // A local path holding "http:" somewhere is no outside address: it goes
    // on to the rows below.
    platform_.shell.OpenAddress(lower);
  } else if (Contains(lower, "drzewo.htm")) {
    ShowTreeOverPage();
    return;  // proceeds
  } else if (IsLocalFile(lower)) {
    ShowPageMenu(lower);
    return;  // proceeds
  } else if (Contains(lower, "@")) {
    return;  // proceeds: an e-mail address
  } else {
    ui_.MessageBox(link_texts::kMissingFile + lower, link_texts::kCaption, platform::Icon::Stop);
  }
  cancel = true;
}

void TMainForm::ShowDictionaryLink(int kind, const std::string& word) {
  std::string definition = LookupDefinition(kind, word);
  if (definition.empty()) definition = link_texts::kWordMissing;
  PlaceBalloon(1);
  ShowDefinition(kind, definition, word);
}

bool TMainForm::IsLocalFile(const std::string& address) {
  std::string path = address.substr(0, address.find('#'));
  if (auto local = TextAfter(path, "file:///")) {
    // Native paths are absolute: keep the leading separator.
    path = "/" + *local;
    const std::size_t space = path.find("%20");
    if (space != std::string::npos) path.replace(space, 3, " ");
  }
  return files_.FileExists(path);
}

void TMainForm::MenuWebBrowserBeforeNavigate2(const std::string& address, bool& cancel) {
  const std::string lower = platform::LowerAscii(address);
  if (Contains(lower, "drzewo.htm") || Contains(lower, "$$menu.htm")) return;
  MainWebBrowser_.Navigate(lower);
  cancel = true;
}

}  // namespace velmora::app
