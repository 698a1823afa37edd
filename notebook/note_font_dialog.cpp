#include "notebook/note_font_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "app/model/calc_settings.h"
#include "render/qt/qt_canvas.h"

namespace ravlo {

FontSpec fontSpecOf(const QFont& f, const QWidget* on) {
  FontSpec spec;
  spec.family = f.family().toStdString();
  int points = f.pointSize();
  if (points <= 0 && f.pixelSize() > 0) {
    const QScreen* s = on ? on->screen() : nullptr;
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    points = static_cast<int>(std::lround(f.pixelSize() * 72.0 / dpi));
  }
  spec.size = std::clamp(points > 0 ? points : kFontSizeMin, kFontSizeMin, kFontSizeMax);
  spec.bold = f.bold();
  spec.italic = f.italic();
  spec.underline = f.underline();
  spec.fixedPitch = f.fixedPitch();
  return spec;
}

NoteFontDialog::NoteFontDialog(QWidget* parent, bool withColor)
    : parent_(parent), withColor_(withColor) {}

NoteFontChoice NoteFontDialog::run(const FontSpec& start, Color startColor) {
  NoteFontChoice kept{start, startColor, false};
  Color color = startColor;
  // The dialog lists installed faces only: show the face a substituted name stands for.
  QFont shown = toQFont(start);
  shown.setFamily(QFontInfo(shown).family());
  QFontDialog dialog(shown, parent_);
  dialog.setObjectName(name_);
  dialog.setAccessibleName(QStringLiteral("フォント"));
  dialog.setOption(QFontDialog::DontUseNativeDialog);

  auto current = [&] {
    FontSpec f = fontSpecOf(dialog.currentFont(), parent_);
    f.fixedPitch = start.fixedPitch;
    // The setting keeps the name it had while the face it stands for is chosen.
    if (f.family == shown.family().toStdString()) f.family = start.family;
    return f;
  };
  QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, [&](const QFont&) {
    if (onTry) onTry(current(), color);
  });
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
    apply->setObjectName("ApplyButton");
    apply->setAccessibleName(QStringLiteral("適用"));
    QObject::connect(apply, &QPushButton::clicked, &dialog, [&] {
      kept = {current(), color, false};
      if (onApply) onApply(kept.font, kept.color);
    });
    if (withColor_) {
      QPushButton* pick = buttons->addButton(QStringLiteral("色(&L)..."),
                                             QDialogButtonBox::ActionRole);
      pick->setObjectName("ColorButton");
      pick->setAccessibleName(QStringLiteral("色"));
      QObject::connect(pick, &QPushButton::clicked, &dialog, [&] {
        const QColor c = QColorDialog::getColor(toQColor(color), &dialog,
                                                QStringLiteral("文字の色"));
        if (!c.isValid()) return;
        color = fromRgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                        static_cast<std::uint8_t>(c.blue()));
        if (onTry) onTry(current(), color);
      });
    }
  }
  if (dialog.exec() == QDialog::Accepted) {
    kept = {current(), color, true};
  } else if (onTry) {
    onTry(kept.font, kept.color);
  }
  return kept;
}

}  // namespace ravlo
