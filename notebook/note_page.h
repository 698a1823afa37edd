#pragma once
// The notebook page as the window shows it: painted by NotePaint on a QtCanvas at the
// window's scroll positions. Keys and wheel turns go to the window's tables.
#include <QWidget>

#include "notebook/model/note_doc.h"
#include "notebook/model/note_paint.h"

namespace ravlo {

class NoteForm;

class NotePage final : public QWidget {
  Q_OBJECT

 public:
  NotePage(NoteForm& form, const NoteDoc& doc, QWidget* parent);

  // The lighter background of a freshly cleared page, until the next redraw.
  bool cleared = false;
  // What the last paint reported.
  const NotePaintResult& lastPaint() const { return lastPaint_; }
  int paintCount() const { return paints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  NoteForm& form_;
  const NoteDoc& doc_;
  NotePaintResult lastPaint_;
  int paints_ = 0;
};

}  // namespace ravlo
