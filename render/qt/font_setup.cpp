#include "render/qt/font_setup.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace ravlo {

void setupFontSubstitutions() {
  struct Pair {
    const char* windowsName;
    const char* face;
  };
  static constexpr Pair kPairs[] = {
      {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ 明朝", "IPAMincho"},
      {"MS Gothic", "IPAGothic"},     {"MS PGothic", "IPAPGothic"},     {"MS Mincho", "IPAMincho"},
  };
  for (const auto& p : kPairs) {
    QString name = QString::fromUtf8(p.windowsName);
    QString face = QString::fromUtf8(p.face);
    if (!QFont::substitutes(name).contains(face)) QFont::insertSubstitution(name, face);
  }
}

}  // namespace ravlo
