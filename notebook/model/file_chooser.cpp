#include "notebook/model/file_chooser.h"

namespace ravlo {

std::vector<std::pair<std::string, std::string>> dialogFilterEntries(std::string_view filter) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= filter.size()) {
    const std::size_t bar = filter.find('|', start);
    const std::size_t end = bar == std::string_view::npos ? filter.size() : bar;
    parts.emplace_back(filter.substr(start, end - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  std::vector<std::pair<std::string, std::string>> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i + 1].empty()) continue;
    entries.emplace_back(parts[i], parts[i + 1]);
  }
  return entries;
}

}  // namespace ravlo
