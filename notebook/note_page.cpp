#include "notebook/note_page.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/key_translate.h"
#include "notebook/note_form.h"
#include "render/qt/qt_canvas.h"

namespace ravlo {

NotePage::NotePage(NoteForm& form, const NoteDoc& doc, QWidget* parent)
    : QWidget(parent), form_(form), doc_(doc) {
  setObjectName("NotePage");
  setAccessibleName(QStringLiteral("ノートのページ"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void NotePage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtCanvas c(painter);
  NotePaintInput in = form_.paintInput();
  const NoteMetrics m = NoteMeasure(c, in.noteFont);
  in.NoteCharW = m.NoteCharW;
  in.NoteCharH = m.NoteCharH;
  in.clientWidth = width();
  in.clientHeight = height();
  in.cleared = cleared;
  lastPaint_ = NotePaint(c, doc_, in);
  ++paints_;
  const QString caption = QString::fromStdString(lastPaint_.caption);
  if (form_.windowTitle() != caption) form_.setWindowTitle(caption);
}

void NotePage::wheelEvent(QWheelEvent* event) {
  const int turn = event->angleDelta().y();
  if (turn == 0) {
    event->ignore();
    return;
  }
  const Qt::MouseButtons held = event->buttons();
  form_.run(NoteWheelCommand(turn < 0, held.testFlag(Qt::LeftButton),
                             held.testFlag(Qt::RightButton)));
  event->accept();
}

void NotePage::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key = translateKey(*event);
  if (key.key != 0 && form_.noteKey(key.key, key.mods, QKeySequence(event->keyCombination()))) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void NotePage::mousePressEvent(QMouseEvent* event) {
  setFocus();
  QWidget::mousePressEvent(event);
}

}  // namespace ravlo
