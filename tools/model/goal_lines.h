#pragma once
// The weekly goals editor (今週の目標) without its window: one goal a line, at most ten.
// A change that makes an eleventh line is taken back; every other change is kept and is the
// point an undo goes back to.
#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

inline constexpr std::string_view kGoalEditCaption = "●今週の目標(10個)●";
inline constexpr std::string_view kGoalLimitCaption = "Warning!!";
inline constexpr std::string_view kGoalLimitText = "目標は１０個までです。";
inline constexpr int kGoalLineLimit = 10;

// The lines of a multi-line text ("\n" or "\r\n" between them), as an edit control counts
// them: an empty last line after a final line break is not one.
std::vector<std::string> goalLinesOf(std::string_view text);
std::string goalTextOf(const std::vector<std::string>& lines);

class GoalLines {
 public:
  explicit GoalLines(const std::vector<std::string>& goals);

  // The text the field shows after its latest accepted change.
  const std::string& text() const { return text_; }
  std::vector<std::string> lines() const { return goalLinesOf(text_); }
  // The field now reads `text`: true when that is kept; false when it has too many lines and
  // the field must go back to text().
  bool change(std::string_view text);

 private:
  std::string text_;
};

}  // namespace ravlo
