#pragma once
// How the notebook document reaches the windows around it. Every hook does nothing by
// default, so the document works without a window.
namespace ravlo {

class NoteView {
 public:
  virtual ~NoteView() = default;
  // Draw the notebook page again from the document.
  virtual void NoteRedraw() {}
  // Paint the page empty, in the lighter colour of a freshly cleared notebook.
  virtual void NoteShowCleared() {}
  // Open the expression editor on the selected problem (its text is in EditBuffer).
  virtual void OpenSikiEditor() {}
  // Open the whole-notebook editor.
  virtual void OpenNoteEditor() {}
};

}  // namespace ravlo
