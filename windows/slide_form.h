#pragma once
// The slide-show window: one slide at a time as a generated page, its
// description strip, the player buttons, the position bar, the delay, the
// repeat and music switches, the automatic advance (Timer1) and the music
// watcher (Timer2). The window keeps the running set's slides and the
// number of the next one; it is created once and hidden between shows.

#include <cstdint>
#include <string>
#include <vector>

#include "pages/page_buffer.h"
#include "platform/handlers.h"
#include "platform/platform.h"
#include "tables/column_accessor.h"
#include "tables/content_paths.h"
#include "tables/table.h"

namespace velmora::windows {

// What the slide show works with, kept by the main window: the main page
// buffer the slide page is made in, and the photograph table for the
// descriptions.
struct SlideShowHost {
  const tables::ContentPaths& paths;
  pages::PageBuffer& buffer;
  const tables::Table& photos;
  tables::ColumnAccessor& columns;
};

// The picture names of the set's slides whose pictures exist, in column
// order: gaps in the row are left out, so the show never steps onto one.
std::vector<std::string> UsableSlides(const tables::Table& slides, const std::string& key,
                                      platform::FileSystem& files, const std::string& photoDir);

class TSlideForm {
 public:
  TSlideForm(SlideShowHost host, platform::Platform& platform);
  TSlideForm(const TSlideForm&) = delete;
  TSlideForm& operator=(const TSlideForm&) = delete;

  // The settings the window is created with; run where the program entry
  // creates it, after the main window's first show.
  void FormCreate();

  // Takes a set's usable slides (UsableSlides) as the running show, from
  // its first slide on.
  void LoadSlides(std::vector<std::string> slides);
  int SlideCount() const { return static_cast<int>(slides_.size()); }
  // Prepares the first slide while the window is still hidden, then shows
  // the window until it is closed.
  void ShowFromFirstSlide();

  // Runs FormShow and keeps the window on screen until it is closed.
  void ShowModal();

  // Pages.
  void ShowSlide(const std::string& picture, const std::string& description);
  void ShowSlideDescription(const std::string& text);

  // Event handlers.
  void ToolButton1Click();  // ">": start the automatic advance
  void ToolButton2Click();  // "||": pause it
  void ToolButton3Click();  // "|<": previous slide
  void ToolButton4Click();  // ">|": next slide
  void LMDTrackBarSlajdowClick();
  void LMDSpinEditCzasuChange();
  void CheckBox2Click();
  void LMDMMButton5Click();  // "X"
  void Timer1Timer();
  void Timer2Timer();
  void FormShow();
  void FormClose();
  void FormResize();
  // A key of the window: "space" starts or pauses the advance, "left" and
  // "right" step as "|<" and ">|" do, "escape" closes as "X" does.
  void FormKeyDown(const std::string& key);

  // What the user did to a control before its event: the bar's position
  // (kept within 1 and the maximum), the delay (3 to 60 s), the switches.
  void SetTrackBarPosition(int position);
  void SetTrackBarMaximum(int maximum);
  void SetDelay(int seconds);
  void SetRepeat(bool checked);
  void SetMusic(bool checked);

  int TrackBarPosition() const { return trackBarPosition_; }
  int TrackBarMaximum() const { return trackBarMaximum_; }
  int Delay() const { return delay_; }
  bool Repeat() const { return repeat_; }
  bool Music() const { return music_; }
  bool Advancing() const { return Timer1.Enabled(); }

  // Handlers reachable from a replay script or the Qt window, by name.
  // Arguments: LMDTrackBarSlajdowClick P (the bar moved to P first),
  // LMDSpinEditCzasuChange S, CheckBox1Click 0|1, CheckBox2Click 0|1,
  // FormKeyDown KEY.
  void RegisterHandlers(platform::HandlerTable& handlers);

  platform::MediaPlayer& MediaPlayer1;
  platform::Timer& Timer1;
  platform::Timer& Timer2;
  pages::PageBuffer RichEdit;

 private:
  // Shows slide k of the set (1-based) with the bar on it.
  void ShowSlideNumber(int k);
  // Shows the slide numbered nextSlide_ and moves the number on.
  void ShowNextSlide();
  void RewriteBarHint();
  void SetRunning(bool running);

  SlideShowHost show_;
  platform::Ui& ui_;
  platform::FileSystem& files_;
  platform::Browser& SlideWebBrowser_;
  platform::Browser& OpisWebBrowser_;
  // The running set's picture names in showing order, and the 1-based
  // number of the slide the next step shows.
  std::vector<std::string> slides_;
  std::int32_t nextSlide_ = 1;
  int trackBarPosition_ = 1;
  int trackBarMaximum_ = 1;
  int delay_ = 3;
  bool repeat_ = false;
  bool music_ = true;
};

}  // namespace velmora::windows
