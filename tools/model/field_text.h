#pragma once
// The text of an expression field as the tools read it: a "#" starts a comment, "pai" stands
// for the π approximation, and blanks at either end do not count.
#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

// Bytes 0x00..0x20 taken off both ends.
std::string trimBlanks(std::string_view text);
// Every "pai" replaced by paiStr.
std::string replacePai(std::string_view text, std::string_view paiStr);

// An expression and the comment that follows it.
struct CommentSplit {
  std::string expr;     // the text before the first "#", trimmed (all of it, trimmed, without "#")
  std::string comment;  // " " + the text from the "#" on; "" without a "#"
};
CommentSplit splitComment(std::string_view text);

// What the checker reads of a field, and where each of its bytes stands in the field, so a
// refused character can be shown where the learner typed it.
struct FieldText {
  std::string text;
  std::vector<int> fieldChar;  // per byte of text: the field's character (from 0) it came from

  // The field character of the checker's position p (from 1); -1 outside the text.
  int charAt(std::size_t p) const;
};

// The field read for checking: cut before its first "#" when cutComment, "pai" replaced by
// paiStr, trimmed.
FieldText readField(std::string_view field, std::string_view paiStr, bool cutComment);

}  // namespace ravlo
