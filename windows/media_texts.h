#pragma once
// Captions, tool-tips and messages of the slide-show and film windows,
// shared by the core and the Qt windows that draw them. Windows-1250 bytes.

namespace velmora::windows::media_texts {

// Slide window, control bar.
inline constexpr const char* kSlideStartCaption = ">";
// "Uruchom odtwarzanie slajdów"
inline constexpr const char* kSlideStartHint = "Uruchom odtwarzanie slajd\xF3w";
inline constexpr const char* kSlidePauseCaption = "||";
// "Zatrzymaj odtwarzanie slajdów"
inline constexpr const char* kSlidePauseHint = "Zatrzymaj odtwarzanie slajd\xF3w";
inline constexpr const char* kSlidePreviousCaption = "|<";
inline constexpr const char* kSlidePreviousHint = "Poprzedni slajd";
inline constexpr const char* kSlideNextCaption = ">|";
// "Następny slajd"
inline constexpr const char* kSlideNextHint = "Nast\xEApny slajd";
// "Lista dostępnych slajdów", later followed by ": k z n"
inline constexpr const char* kSlideBarHint = "Lista dost\xEApnych slajd\xF3w";
// "Ustaw czas opóźnienia między kolejnymi slajdami"
inline constexpr const char* kSlideDelayHint =
    "Ustaw czas op\xF3\x9Fnienia mi\xEA"
    "dzy kolejnymi slajdami";
inline constexpr const char* kSlideRepeatCaption = "powtarzaj";
// "Powtarzaj w koło odtwarzanie slajdów"
inline constexpr const char* kSlideRepeatHint = "Powtarzaj w ko\xB3o odtwarzanie slajd\xF3w";
inline constexpr const char* kSlideMusicCaption = "muzyka";
// "Włącz/wyłącz odtwarzanie muzyki"
inline constexpr const char* kSlideMusicHint =
    "W\xB3\xB9"
    "cz/wy\xB3\xB9"
    "cz odtwarzanie muzyki";
inline constexpr const char* kSlideCloseCaption = "X";
// "Zakończ wyświetlanie slajdów"
inline constexpr const char* kSlideCloseHint =
    "Zako\xF1"
    "cz wy\x9Cwietlanie slajd\xF3w";

inline constexpr int kDelayMinimum = 3;
inline constexpr int kDelayMaximum = 60;

// Slide messages.
inline constexpr const char* kSlideNotDefined = "Nie zdefiniowano poprawnie slajdu: ";
inline constexpr const char* kSlideDebugCaption = "SLIDE DEBUG";
inline constexpr const char* kMissingDescription = "Brak pliku opisu: ";
inline constexpr const char* kSlideCaption = "Slide show";

// Film window.
inline constexpr const char* kMovieWindowCaption = "MovieShow";
// What a screen reader calls the two windows and their close buttons.
inline constexpr const char* kSlideWindowName = "Pokaz slajd\xF3w";
inline constexpr const char* kMovieWindowName = "Film";
inline constexpr const char* kCloseName = "Zamknij";
inline constexpr const char* kMoviePlayCaption = ">";
inline constexpr const char* kMoviePlayHint = "Uruchom";
inline constexpr const char* kMoviePauseCaption = "||";
inline constexpr const char* kMoviePauseHint = "Pauza";
inline constexpr const char* kMovieStopCaption = "[]";
inline constexpr const char* kMovieStopHint = "Zatrzymaj";
inline constexpr const char* kMovieBackCaption = "|<";
inline constexpr const char* kMovieBackHint = "Cofnij";
inline constexpr const char* kMovieForwardCaption = ">|";
inline constexpr const char* kMovieForwardHint = "Do przodu";
inline constexpr const char* kMovieCloseCaption = "X";
// "Zakończ odtwarzanie filmu"
inline constexpr const char* kMovieCloseHint =
    "Zako\xF1"
    "cz odtwarzanie filmu";

inline constexpr int kDisplayWidth = 350;
inline constexpr int kDisplayHeight = 300;
inline constexpr int kControlBarHeight = 46;

// Film messages: "Brak pliku:", a line feed, a blank, then the path.
inline constexpr const char* kMovieMissingFile = "Brak pliku:\n ";
// "Pokaż Film AVI"
inline constexpr const char* kMovieCaption = "Poka\xBF Film AVI";
// "Nie można odtworzyć filmu:" + line feed + blank + path: the media layer
// could not open or play the file.
inline constexpr const char* kMovieCannotPlay =
    "Nie mo\xBFna odtworzy\xE6"
    " filmu:\n ";

}  // namespace velmora::windows::media_texts
