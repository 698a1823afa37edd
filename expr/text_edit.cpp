#include "expr/text_edit.h"

namespace ravlo::text_edit {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text, pos, hit - pos);
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text, pos, std::string_view::npos);
  return out;
}

std::size_t countChar(std::string_view text, char c) {
  std::size_t n = 0;
  for (char x : text)
    if (x == c) ++n;
  return n;
}

}  // namespace ravlo::text_edit
