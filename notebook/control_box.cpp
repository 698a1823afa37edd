#include "notebook/control_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <map>

#include "app/bun_main_form.h"
#include "app/key_translate.h"
#include "notebook/model/note_layout.h"
#include "notebook/model/note_menu_spec.h"
#include "notebook/note_context.h"
#include "notebook/note_form.h"

namespace ravlo {
namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr int kColumns = 4;

QSpinBox* makeField(QWidget* parent, std::string_view name, std::string_view role, int min,
                    int max, int step) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(toQString(name));
  s->setAccessibleName(toQString(role));
  s->setToolTip(toQString(kNoteBoxFieldHint));
  s->setRange(min, max);
  s->setSingleStep(step);
  s->setAlignment(Qt::AlignRight);
  // Read-only text; the buttons, the arrow keys and the wheel still step.
  if (auto* edit = s->findChild<QLineEdit*>()) edit->setReadOnly(true);
  return s;
}

}  // namespace

NoteControlBox::NoteControlBox(NoteForm& form, NotebookContext& ctx)
    // A tool window of the notebook: the window manager keeps it above the notebook, while
    // the notebook's own questions and dialogs can still come over it.
    : QWidget(&form, Qt::Tool), form_(form), ctx_(ctx) {
  setObjectName("NoteControlBox");
  setWindowTitle(toQString(kNoteBoxCaption));
  setAccessibleName(toQString(kNoteBoxCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  QFont small(QStringLiteral("ＭＳ Ｐゴシック"));
  small.setPointSize(9);
  setFont(small);

  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(4, 4, 4, 4);
  col->setSpacing(3);
  col->setSizeConstraint(QLayout::SetFixedSize);
  std::map<std::string_view, QGridLayout*> groups;
  auto* loose = new QGridLayout;
  loose->setSpacing(2);
  std::map<QGridLayout*, int> placed;
  for (const NoteBoxButtonSpec& spec : noteBoxButtons()) {
    QGridLayout* grid = loose;
    if (!spec.group.empty()) {
      auto it = groups.find(spec.group);
      if (it == groups.end()) {
        auto* g = new QGroupBox(toQString(spec.group), this);
        g->setObjectName(toQString(spec.group));
        g->setAccessibleName(toQString(spec.group));
        auto* inner = new QGridLayout(g);
        inner->setContentsMargins(3, 2, 3, 3);
        inner->setSpacing(2);
        col->addWidget(g);
        it = groups.emplace(spec.group, inner).first;
      }
      grid = it->second;
    }
    auto* b = new QPushButton(toQString(spec.caption), this);
    b->setObjectName(toQString(spec.name));
    b->setAccessibleName(toQString(spec.caption));
    if (!spec.hint.empty()) {
      b->setToolTip(toQString(spec.hint));
      b->setAccessibleDescription(toQString(spec.hint));
    }
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    // One or two characters: small square buttons, as a tool box has them.
    if (spec.caption.size() <= 6) b->setFixedSize(38, 22);
    const NoteCommand command = spec.command;
    connect(b, &QPushButton::clicked, this, [this, command] { form_.run(command); });
    const int columns = grid == loose ? 2 : kColumns;
    const int n = placed[grid]++;
    grid->addWidget(b, n / columns, n % columns);
    buttons_.push_back(b);
  }
  col->addLayout(loose);

  eqKaigyo_ = new QCheckBox(toQString(kNoteBoxEqKaigyoCaption), this);
  eqKaigyo_->setObjectName("EqKaigyoCheck");
  eqKaigyo_->setAccessibleName(toQString(kNoteBoxEqKaigyoCaption));
  eqKaigyo_->setChecked(ctx_.EqKaigyoFlag);
  connect(eqKaigyo_, &QCheckBox::clicked, this, [this](bool on) {
    ctx_.EqKaigyoFlag = on;
    ctx_.main().settings().EQUAL_KAIGYO = on;
    form_.redraw();
  });
  col->addWidget(eqKaigyo_);

  auto* spacing = new QGroupBox(toQString(kNoteBoxKankakuGroup), this);
  spacing->setObjectName("KankakuGroup");
  spacing->setAccessibleName(toQString(kNoteBoxKankakuGroup));
  auto* spacingRow = new QHBoxLayout(spacing);
  spacingRow->setContentsMargins(3, 2, 3, 3);
  kankaku_ = makeField(spacing, "KankakuEdit", kNoteBoxKankakuGroup, kNoteKankakuMin,
                       kNoteKankakuMax, 1);
  kankaku_->setValue(ctx_.main().settings().KANKAKU);
  connect(kankaku_, &QSpinBox::valueChanged, this, [this](int v) { form_.setKankaku(v); });
  digits_ = new QCheckBox(toQString(kNoteBoxDigitsCaption), spacing);
  digits_->setObjectName("KetaCheck");
  digits_->setAccessibleName(toQString(kNoteBoxDigitsCaption));
  digits_->setChecked(ctx_.digitsFlag);
  connect(digits_, &QCheckBox::clicked, this, [this](bool on) { ctx_.digitsFlag = on; });
  spacingRow->addWidget(kankaku_);
  spacingRow->addWidget(digits_, 1);
  col->addWidget(spacing);

  auto* page = new QGroupBox(toQString(kNoteBoxPageGroup), this);
  page->setObjectName("PageHeightGroup");
  page->setAccessibleName(toQString(kNoteBoxPageGroup));
  auto* pageRow = new QHBoxLayout(page);
  pageRow->setContentsMargins(3, 2, 3, 3);
  auto* before = new QLabel(toQString(kNoteBoxPageBefore), page);
  before->setAccessibleName(before->text());
  pageHeight_ = makeField(page, "PageHeightEdit", kNoteBoxPageGroup, kNotePageMin, kNotePageMax,
                          kNotePageFieldStep);
  pageHeight_->setValue(ctx_.main().settings().PAGEA4BAIN);
  connect(pageHeight_, &QSpinBox::valueChanged, this, [this](int v) { form_.setPageHeight(v); });
  auto* after = new QLabel(toQString(kNoteBoxPageAfter), page);
  after->setAccessibleName(after->text());
  pageRow->addWidget(before);
  pageRow->addWidget(pageHeight_);
  pageRow->addWidget(after, 1);
  col->addWidget(page);

  // Every key is looked at here first, whichever control has the focus.
  installEventFilter(this);
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

QAbstractButton* NoteControlBox::button(std::string_view name) const {
  for (QAbstractButton* b : buttons_) {
    if (b->objectName() == toQString(name)) return b;
  }
  return nullptr;
}

void NoteControlBox::showKankaku(int value) {
  const QSignalBlocker block(kankaku_);
  kankaku_->setValue(value);
}

void NoteControlBox::showPageHeight(int value) {
  const QSignalBlocker block(pageHeight_);
  pageHeight_->setValue(value);
}

void NoteControlBox::showEqKaigyo(bool on) {
  const QSignalBlocker block(eqKaigyo_);
  eqKaigyo_->setChecked(on);
}

void NoteControlBox::focusKankaku() {
  activateWindow();
  kankaku_->setFocus();
}

bool NoteControlBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && boxKey(watched, *static_cast<QKeyEvent*>(event)))
    return true;
  return QWidget::eventFilter(watched, event);
}

bool NoteControlBox::boxKey(QObject* watched, QKeyEvent& event) {
  const TranslatedKey key = translateKey(event);
  if (key.key == 0) return false;
  const bool plain = !key.mods.shift && !key.mods.ctrl && !key.mods.alt;
  if ((key.key == vk::F7 && plain) ||
      (key.key == vk::Comma && key.mods.alt && !key.mods.ctrl && !key.mods.shift)) {
    form_.takeFocus();
    return true;
  }
  // The fields step with the arrow keys, as their hint says.
  const bool inField = watched == kankaku_ || watched == pageHeight_ ||
                       (watched && (watched->parent() == kankaku_ ||
                                    watched->parent() == pageHeight_));
  if (inField && plain && (key.key == vk::Up || key.key == vk::Down)) return false;
  return form_.noteKey(key.key, key.mods, QKeySequence(event.keyCombination()));
}

void NoteControlBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ctx_.main().showMinimized();
}

}  // namespace ravlo
