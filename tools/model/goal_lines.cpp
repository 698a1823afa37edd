#include "tools/model/goal_lines.h"

namespace ravlo {

std::vector<std::string> goalLinesOf(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool last = end == text.size();
    if (!(last && line.empty())) lines.emplace_back(line);
    if (last) break;
    start = end + 1;
  }
  return lines;
}

std::string goalTextOf(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  return text;
}

GoalLines::GoalLines(const std::vector<std::string>& goals) : text_(goalTextOf(goals)) {}

bool GoalLines::change(std::string_view text) {
  if (goalLinesOf(text).size() > static_cast<std::size_t>(kGoalLineLimit)) return false;
  text_ = std::string(text);
  return true;
}

}  // namespace ravlo
