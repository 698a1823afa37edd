#include "notebook/model/note_format.h"

namespace ravlo {

std::string fillNoteText(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  auto next = values.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 'd' || pattern[i + 1] == 's') &&
        next != values.end()) {
      out += *next++;
      ++i;
      continue;
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace ravlo
