#pragma once
// A page's script dialogs (alert, confirm, prompt) and its question on
// leaving (onbeforeunload). A page may show a few; after kShownPerPage its
// further dialogs are answered at once as cancelled and only logged, until
// the program itself navigates the browser: a page looping on alert() would
// otherwise hold the user in one box after another. A page never asks
// whether it may be left: the disc's pages hold nothing to lose, and the
// question would let a page refuse the program's own navigations.

#include <QString>

namespace velmora::platform::qt {

class PageDialogs {
 public:
  static constexpr int kShownPerPage = 3;

  void Alert(const QString& text);
  bool Confirm(const QString& text);
  bool Prompt(const QString& text, const QString& value, QString* result);
  // The program navigated the browser: the next page's dialogs are shown.
  void ProgramNavigated() { shown_ = 0; }

 private:
  bool MayShow(const char* kind, const QString& text);

  int shown_ = 0;
};

}  // namespace velmora::platform::qt
