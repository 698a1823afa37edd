#pragma once
// The notebook document: up to 50 numbered problems, a title, the file they came from, the
// unsaved-change flag and a one-level undo copy. The notebook window only shows it; every
// notebook command works on it. Texts are UTF-8 like the rest of the program; they meet the
// code page only in the .siki file.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "notebook/model/siki_file.h"

namespace ravlo {

inline constexpr int kSikiMax = 50;

// How the notebook window was last opened (NoteOpenMode).
inline constexpr int kNoteOpenFromEditor = 0;   // the expression editor's notebook button
inline constexpr int kNoteOpenEditorLeft = 1;   // the whole-notebook editor closed untaken
inline constexpr int kNoteOpenEditorTook = 2;   // the whole-notebook editor took its lines
inline constexpr int kNoteOpenFromMain = 3;     // the main window's notebook command

class NoteDoc {
 public:
  // Problem n (1..kSikiMax) lives in SikiTbl[n - 1]; slots above SikiSuu are ignored.
  std::array<std::string, kSikiMax> SikiTbl;
  int SikiSuu = 0;           // problems in use, 0..kSikiMax
  int SelNo = 0;             // the selected problem, 1..SikiSuu; 0 = none
  std::string HyoudaiStr;    // the title; empty = none
  std::string NoteFileName;  // the file last opened or saved; empty before the first save
  int HenkouFlag = 0;        // 1 = changes that are in no file
  std::array<std::string, kSikiMax> UndoTbl;
  int UndoSuu = 0;
  int UndoSel = 0;
  std::string EditBuffer;    // the problem handed to the expression editor
  std::string ResultBuffer;  // the last result a compute command built
  int NoteOpenMode = kNoteOpenFromMain;
  // Set when the page was cleared or the window closed since NoteFileName was read or
  // written: the name then only suggests where a save dialog starts, and the next save
  // asks, so that no file is replaced by a different notebook unasked.
  bool NoteFileNameStale = false;
  // How the file was written that the notebook came from; a save writes the same way.
  // New notebooks are written in code page 932.
  SikiEncoding NoteEncoding = SikiEncoding::Cp932;
  // The bytes of the file last read or written. While the notebook is unchanged a save
  // writes them again, so the file stays byte for byte what it was: the code page has
  // characters under two codes, and a file's line ends and blanks are its own.
  std::string NoteFileBytes;

  // SikiSuu held to 0..kSikiMax, so that no loop can leave the slots.
  int count() const;
  bool hasSelection() const { return SelNo >= 1 && SelNo <= count(); }
  bool full() const { return count() >= kSikiMax; }
  // Problem n, 1..count(); "" outside.
  const std::string& Siki(int n) const;
  // The problems in use, in order.
  std::vector<std::string> problems() const;

  void NoteSnapshot();
  // Restores the undo copy. The change flag then says whether the list differs from what
  // the file holds, so that undoing an edit never hides other unsaved changes.
  void NoteUndo();
  // Empties the list: a new notebook (NoteFileNameStale set, encoding back to code page
  // 932); the title and file name stay.
  void NoteClearAll();
  void selectPrevious();
  void selectNext();

  // Appends a problem at the end; false (and nothing changed) when the list is full.
  bool appendSiki(std::string text);
  // Removes problem n and closes the gap; false when there is no such problem.
  bool removeSiki(int n);
  // Replaces the whole list (the whole-notebook editor); false and nothing changed when
  // there are more than kSikiMax lines. The selection is dropped.
  bool replaceProblems(const std::vector<std::string>& lines);
  // The expression editor's result for the selected problem; false when none is selected.
  bool setSelectedSiki(std::string text);

  // The document now matches its file: after a successful read or write.
  void markSaved();
  // Whether title or problems differ from what was last read or written.
  bool differsFromFile() const;

 private:
  std::string savedTitle_;
  std::vector<std::string> savedProblems_;
};

}  // namespace ravlo
