#pragma once
// The computed line on the system clipboard, for a teacher's worksheet: as plain text in
// ordinary notation and as a PNG picture of the line drawn built-up, as the screen draws it.
#include <QImage>
#include <span>
#include <string_view>

#include "app/model/calc_settings.h"
#include "render/expr_renderer.h"

namespace ravlo {

// The line on a white picture in the calculation-screen font; null for an empty line.
QImage lineImage(std::string_view line, std::span<const InkSpan> inks,
                 const CalcSettings& settings);

// Replaces what the clipboard holds; false (and the clipboard untouched) for an empty line.
bool copyLineToClipboard(std::string_view line, std::span<const InkSpan> inks,
                         const CalcSettings& settings);

}  // namespace ravlo
