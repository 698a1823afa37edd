#pragma once
// Where the expression editor sends what it displays or computes: the calculation screen, or,
// when the notebook opened it, the notebook's selected problem. The notebook window hands its
// document and a way to redraw itself; nothing else of the notebook is needed.
#include <functional>
#include <string>
#include <string_view>

namespace ravlo {

class CalcState;
class NoteDoc;

struct NoteTarget {
  NoteDoc* doc = nullptr;
  std::function<void()> redraw;  // the notebook page draws itself again
};

class SikiEditTarget {
 public:
  // The calculation screen.
  SikiEditTarget() = default;
  // The selected problem of `note.doc`.
  explicit SikiEditTarget(NoteTarget note);

  bool isNotebook() const { return note_.doc != nullptr; }

  // What the edit field starts with: the screen's current line, or the notebook's edit buffer
  // (the selected problem as the notebook handed it over).
  std::string openingText(const CalcState& st) const;
  // A checked text: on the screen as a line to go on typing; or the selected problem.
  void showChecked(CalcState& st, const std::string& text) const;
  // A computed line: on the screen as a finished line; or the selected problem.
  void showComputed(CalcState& st, const std::string& line) const;

 private:
  void toNotebook(const std::string& text) const;

  NoteTarget note_;
};

}  // namespace ravlo
