// The two link actions that open a modal media window: the slide show and
// the film.

#include "app/main_form.h"
#include "windows/media_texts.h"
#include "windows/movie_form.h"
#include "windows/slide_form.h"

namespace velmora::app {

namespace media_texts = windows::media_texts;

bool TMainForm::SlideShowAdvancing() const { return SlideForm && SlideForm->Advancing(); }

void TMainForm::ShowSlideShow(const std::string& key) {
  slideSetKey = key;
  slideIndex = 1;
  slideNames = windows::UsableSlides(SG_Slide, key, files_, paths.photoDir);
  slideCount = static_cast<std::int32_t>(slideNames.size());
  if (slideCount == 0) {
    ui_.MessageBox(media_texts::kSlideNotDefined + key, media_texts::kSlideDebugCaption,
                   platform::Icon::Stop);
    return;
  }
  if (!SlideForm) return;
  SlideForm->SetTrackBarMaximum(slideCount);
  // Slide 1 is prepared while the window is still hidden.
  SlideForm->ToolButton4Click();
  SlideForm->ShowModal();
}

windows::SlideShowHost TMainForm::SlideShowHost() {
  return {paths, MainRichEdit, SG_Foto, columns_, slideCount, slideIndex, slideNames};
}

void TMainForm::ShowMovie(const std::string& name) {
  const std::string path = paths.animDir + name + ".avi";
  if (MovieForm) MovieForm->MediaPlayer1.SetFileName(path);
  // A film of the animation directory only, as its programs.
  if (!platform::LiesInsideDiscDirectory(files_, path, paths.animDir, paths.contentRoot)) {
    ui_.MessageBox(media_texts::kMovieMissingFile + path, media_texts::kMovieCaption,
                   platform::Icon::Stop);
    return;
  }
  if (MovieForm) MovieForm->ShowModal();
}

}  // namespace velmora::app
