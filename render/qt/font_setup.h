#pragma once
// The program's settings name the Windows faces; on Linux the IPA fonts stand in for them.

namespace ravlo {

// Maps "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝" and their ASCII names to the IPA faces.
// Call once after the Qt application object exists; calling it again does no harm.
void setupFontSubstitutions();

}  // namespace ravlo
