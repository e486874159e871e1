#include "windows/slide_form.h"

#include <algorithm>

#include "pages/generated_page.h"
#include "pages/replacement.h"
#include "pages/template_files.h"
#include "tables/disc_files.h"
#include "windows/handler_arguments.h"
#include "windows/media_texts.h"
#include "windows/slide_form_controls.h"

namespace velmora::windows {

namespace texts = media_texts;
using slide_form::Control;
using slide_form::Handler;
using slide_form::Qualified;

namespace {
// What the platform calls the window and the controls the core changes.
const std::string kWindow(slide_form::Description::kName);
const std::string kStartButton = Qualified(Control("LMDMMButton4"));
const std::string kPauseButton = Qualified(Control("LMDMMButton2"));
const std::string kTrackBar = Qualified(Control("LMDTrackBarSlajdow"));
const std::string kSpinEdit = Qualified(Control("LMDSpinEditCzasu"));
const std::string kRepeatBox = Qualified(Control("CheckBox1"));
const std::string kMusicBox = Qualified(Control("CheckBox2"));
const std::string kSlideBrowser = Qualified(Control("SlideWebBrowser"));
const std::string kDescriptionBrowser = Qualified(Control("OpisWebBrowser"));
}  // namespace

std::vector<std::string> UsableSlides(const tables::Table& slides, const std::string& key,
                                      platform::FileSystem& files, const std::string& photoDir) {
  // Every column counts, gaps included. The set's row is found once, and
  // the columns past its own cells are empty.
  std::vector<std::string> names;
  const int row = slides.FindRow(0, key);
  const int width = row < 0 ? 0 : slides.RowWidth(row);
  for (int column = 2; column <= width; ++column) {
    const std::string name(slides.Cell(column - 1, row));
    if (name.empty() || !files.FileExists(photoDir + name + ".jpg")) continue;
    names.push_back(name);
  }
  return names;
}

TSlideForm::TSlideForm(SlideShowHost host, platform::Platform& platform)
    : MediaPlayer1(platform.players.Get(Qualified(Control("MediaPlayer1")))),
      Timer1(platform.timers.Get(Qualified(Control("Timer1")))),
      Timer2(platform.timers.Get(Qualified(Control("Timer2")))),
      RichEdit(platform.files),
      show_(host),
      ui_(platform.ui),
      files_(platform.files),
      SlideWebBrowser_(platform.browsers.Get(kSlideBrowser)),
      OpisWebBrowser_(platform.browsers.Get(kDescriptionBrowser)) {
  Timer1.SetHandler([this] { Timer1Timer(); });
  Timer2.SetHandler([this] { Timer2Timer(); });
}

void TSlideForm::FormCreate() { Timer2.SetInterval(250); }

void TSlideForm::LoadSlides(std::vector<std::string> slides) {
  slides_ = std::move(slides);
  nextSlide_ = 1;
}

void TSlideForm::ShowFromFirstSlide() {
  SetTrackBarMaximum(SlideCount());
  ToolButton4Click();
  ShowModal();
}

void TSlideForm::ShowModal() {
  FormShow();
  ui_.ShowModal(kWindow);
}

// --- Slide steps ---

void TSlideForm::RewriteBarHint() {
  ui_.SetHint(kTrackBar, std::string(texts::kSlideBarHint) + ": " +
                             std::to_string(trackBarPosition_) + " z " +
                             std::to_string(SlideCount()));
}

void TSlideForm::ShowSlideNumber(int k) {
  // Only the usable slides are kept, so that a gap in the row never becomes
  // an empty or broken slide.
  if (k < 1 || k > SlideCount()) return;
  ShowSlide(show_.paths.photoDir + slides_[static_cast<std::size_t>(k - 1)] + ".jpg", " ");
}

void TSlideForm::ShowNextSlide() {
  SetTrackBarPosition(nextSlide_);
  RewriteBarHint();
  const int k = nextSlide_;
  nextSlide_ = k + 1;
  ShowSlideNumber(k);
}

void TSlideForm::ToolButton4Click() {
  if (nextSlide_ > SlideCount()) nextSlide_ = 1;
  ShowNextSlide();
}

void TSlideForm::ToolButton3Click() {
  nextSlide_ -= 1;
  if (nextSlide_ <= 1) nextSlide_ = SlideCount() + 1;
  SetTrackBarPosition(nextSlide_ - 1);
  RewriteBarHint();
  ShowSlideNumber(nextSlide_ - 1);
}

void TSlideForm::LMDTrackBarSlajdowClick() {
  const int p = trackBarPosition_;
  nextSlide_ = p;
  RewriteBarHint();
  nextSlide_ = p + 1;
  ShowSlideNumber(p);
}

void TSlideForm::Timer1Timer() {
  if (nextSlide_ > SlideCount()) {
    nextSlide_ = 1;
    if (!repeat_) {
      SetRunning(false);
      ToolButton4Click();
      ui_.Freeze(1000);
      return;
    }
  }
  ShowNextSlide();
}

// --- Pages ---

void TSlideForm::ShowSlide(const std::string& picture, const std::string& description) {
  pages::PageBuffer& buffer = show_.buffer;
  if (!buffer.LoadFromFile(show_.paths.templateDir + pages::template_files::kSlide)) return;
  const std::size_t picturePlaceholder = buffer.Find("m.jpg", 0, true);
  if (picturePlaceholder != pages::PageBuffer::npos) buffer.Replace(picturePlaceholder, 5, picture);
  pages::ReplaceAllIn(buffer, "<!--@opis@-->", "<i>" + description + "</i>");

  // The photograph key is the file name without its prefix letter and ".jpg".
  std::string name = picture;
  if (name.rfind(show_.paths.photoDir, 0) == 0) name = name.substr(show_.paths.photoDir.size());
  std::string key;
  const std::size_t jpg = name.find(".jpg");
  if (jpg != std::string::npos && jpg > 1) key = name.substr(1, jpg - 1);
  std::string line = show_.columns.Dane(show_.photos, key, 5, 0);
  if (!line.empty()) line += " - ";
  line += show_.columns.Dane(show_.photos, key, 7, 0);
  ShowSlideDescription(line);

  pages::SaveAndShow(buffer, show_.paths.workDir, "$$slide.html", SlideWebBrowser_,
                     texts::kSlideCaption, files_, ui_);
}

void TSlideForm::ShowSlideDescription(const std::string& text) {
  if (!RichEdit.LoadFromFile(show_.paths.templateDir + pages::template_files::kSlideDescription))
    return;
  const std::string placeholder = "<!--@opis@-->";
  const std::size_t at = RichEdit.Find(placeholder, 0, true);
  if (at != pages::PageBuffer::npos) RichEdit.Replace(at, placeholder.size(), text);
  const std::string path = show_.paths.workDir + "$$opis.html";
  RichEdit.SaveToFile(path);
  if (files_.FileExists(path)) {
    OpisWebBrowser_.Navigate(path);
  } else {
    ui_.MessageBox(texts::kMissingDescription + path, texts::kSlideCaption, platform::Icon::Stop);
  }
}

// --- Running and paused ---

void TSlideForm::SetRunning(bool running) {
  Timer1.SetEnabled(running);
  ui_.SetEnabled(kStartButton, !running);
  ui_.SetEnabled(kPauseButton, running);
}

void TSlideForm::ToolButton1Click() { SetRunning(true); }

void TSlideForm::ToolButton2Click() { SetRunning(false); }

void TSlideForm::FormKeyDown(const std::string& key) {
  if (key == "space") {
    if (Advancing()) {
      ToolButton2Click();
    } else {
      ToolButton1Click();
    }
  } else if (key == "left") {
    ToolButton3Click();
  } else if (key == "right") {
    ToolButton4Click();
  } else if (key == "escape") {
    LMDMMButton5Click();
  }
}

void TSlideForm::LMDSpinEditCzasuChange() { Timer1.SetInterval(delay_ * 1000); }

// --- Music ---

void TSlideForm::CheckBox2Click() {
  if (music_) {
    MediaPlayer1.Play();
  } else {
    MediaPlayer1.Stop();
  }
}

void TSlideForm::Timer2Timer() {
  if (MediaPlayer1.Mode() != platform::MediaMode::Stopped || !music_) return;
  MediaPlayer1.Open();
  MediaPlayer1.Rewind();
  MediaPlayer1.Play();
}

// --- Window ---

void TSlideForm::FormShow() {
  FormResize();
  ui_.SetTickFrequency(kTrackBar, SlideCount() / 12);
  Timer1.SetInterval(delay_ * 1000);
  Timer1.SetEnabled(true);
  Timer2.SetEnabled(true);
  SetRunning(true);
  // A music file that cannot be opened leaves the player not ready: the
  // show goes on silently and the watcher does not retry.
  MediaPlayer1.SetFileName(show_.paths.animDir + tables::disc_files::kSlideMusic);
  MediaPlayer1.Open();
  if (music_) {
    MediaPlayer1.Play();
  } else {
    MediaPlayer1.Stop();
  }
}

void TSlideForm::FormResize() {
  // The panels clip the excess, hiding the browsers' borders and scroll bars.
  ui_.PlaceInParent(kSlideBrowser, -2, -2, 25, 4);
  ui_.PlaceInParent(kDescriptionBrowser, -2, -2, 25, 8);
}

void TSlideForm::LMDMMButton5Click() { ui_.CloseWindow(kWindow); }

void TSlideForm::FormClose() {
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
  MediaPlayer1.Stop();
}

// --- Controls ---

void TSlideForm::SetTrackBarMaximum(int maximum) {
  trackBarMaximum_ = std::max(maximum, 1);
  ui_.SetRange(kTrackBar, 1, trackBarMaximum_);
  SetTrackBarPosition(trackBarPosition_);
}

void TSlideForm::SetTrackBarPosition(int position) {
  trackBarPosition_ = std::clamp(position, 1, trackBarMaximum_);
  ui_.SetPosition(kTrackBar, trackBarPosition_);
}

void TSlideForm::SetDelay(int seconds) {
  delay_ = std::clamp(seconds, texts::kDelayMinimum, texts::kDelayMaximum);
  ui_.SetPosition(kSpinEdit, delay_);
}

void TSlideForm::SetRepeat(bool checked) {
  repeat_ = checked;
  ui_.SetChecked(kRepeatBox, checked);
}

void TSlideForm::SetMusic(bool checked) {
  music_ = checked;
  ui_.SetChecked(kMusicBox, checked);
}

void TSlideForm::RegisterHandlers(platform::HandlerTable& handlers) {
  auto on = windows::Registrar<slide_form::Description>(handlers);
  on(Handler("ToolButton1Click"), [this](const std::string&) { ToolButton1Click(); });
  on(Handler("ToolButton2Click"), [this](const std::string&) { ToolButton2Click(); });
  on(Handler("ToolButton3Click"), [this](const std::string&) { ToolButton3Click(); });
  on(Handler("ToolButton4Click"), [this](const std::string&) { ToolButton4Click(); });
  on(Handler("LMDMMButton5Click"), [this](const std::string&) { LMDMMButton5Click(); });
  on(Handler("LMDTrackBarSlajdowClick"), [this](const std::string& argument) {
    if (const auto position = IntegerArgument(argument)) SetTrackBarPosition(*position);
    LMDTrackBarSlajdowClick();
  });
  on(Handler("LMDSpinEditCzasuChange"), [this](const std::string& argument) {
    if (const auto seconds = IntegerArgument(argument)) SetDelay(*seconds);
    LMDSpinEditCzasuChange();
  });
  on(Handler("CheckBox1Click"), [this](const std::string& argument) {
    SetRepeat(SwitchArgument(argument).value_or(!repeat_));
  });
  on(Handler("CheckBox2Click"), [this](const std::string& argument) {
    SetMusic(SwitchArgument(argument).value_or(!music_));
    CheckBox2Click();
  });
  // A timer raises its event only while it is on.
  on(Handler("Timer1Timer"), [this](const std::string&) {
    if (Timer1.Enabled()) Timer1Timer();
  });
  on(Handler("Timer2Timer"), [this](const std::string&) {
    if (Timer2.Enabled()) Timer2Timer();
  });
  on(Handler("FormShow"), [this](const std::string&) { FormShow(); });
  on(Handler("FormClose"), [this](const std::string&) { FormClose(); });
  on(Handler("FormResize"), [this](const std::string&) { FormResize(); });
  on(Handler("FormKeyDown"), [this](const std::string& key) { FormKeyDown(key); });
}

}  // namespace velmora::windows
