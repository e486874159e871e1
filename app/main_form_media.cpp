// The two link actions that open a modal media window: the slide show and
// the film.

#include "app/main_form.h"
#include "windows/media_texts.h"
#include "windows/movie_form.h"
#include "windows/slide_form.h"

namespace velmora::app {

namespace media_texts = windows::media_texts;

void TMainForm::ShowSlideShow(const std::string& key) {
  slideForm_.LoadSlides(
      windows::UsableSlides(tables_[tables::kSlideTable], key, files_, paths_.photoDir));
  if (slideForm_.SlideCount() == 0) {
    ui_.MessageBox(media_texts::kSlideNotDefined + key, media_texts::kSlideDebugCaption,
                   platform::Icon::Stop);
    return;
  }
  slideForm_.ShowFromFirstSlide();
}

void TMainForm::ShowMovie(const std::string& name) {
  const std::string path = paths_.animDir + name + ".avi";
  movieForm_.MediaPlayer1.SetFileName(path);
  // A film of the animation directory only, as its programs.
  if (!platform::LiesInsideDiscDirectory(files_, path, paths_.animDir, paths_.contentRoot)) {
    ui_.MessageBox(media_texts::kMovieMissingFile + path, media_texts::kMovieCaption,
                   platform::Icon::Stop);
    return;
  }
  movieForm_.ShowModal();
}

}  // namespace velmora::app
