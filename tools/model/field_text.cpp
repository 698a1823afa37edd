#include "tools/model/field_text.h"

namespace ravlo {
namespace {

constexpr std::string_view kPai = "pai";

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
bool isUtf8Lead(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

}  // namespace

std::string trimBlanks(std::string_view text) {
  std::size_t from = 0;
  std::size_t to = text.size();
  while (from < to && isBlank(text[from])) ++from;
  while (to > from && isBlank(text[to - 1])) --to;
  return std::string(text.substr(from, to - from));
}

std::string replacePai(std::string_view text, std::string_view paiStr) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, kPai.size()) == kPai) {
      out += paiStr;
      i += kPai.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

CommentSplit splitComment(std::string_view text) {
  const std::size_t hash = text.find('#');
  if (hash == std::string_view::npos) return {trimBlanks(text), ""};
  return {trimBlanks(text.substr(0, hash)), " " + std::string(text.substr(hash))};
}

int FieldText::charAt(std::size_t p) const {
  if (p < 1 || p > fieldChar.size()) return -1;
  return fieldChar[p - 1];
}

FieldText readField(std::string_view field, std::string_view paiStr, bool cutComment) {
  if (cutComment) field = field.substr(0, field.find('#'));
  FieldText out;
  int ch = -1;
  for (std::size_t i = 0; i < field.size();) {
    if (isUtf8Lead(field[i])) ++ch;
    if (field.substr(i, kPai.size()) == kPai) {
      out.text += paiStr;
      out.fieldChar.insert(out.fieldChar.end(), paiStr.size(), ch);
      ch += static_cast<int>(kPai.size()) - 1;
      i += kPai.size();
      continue;
    }
    out.text += field[i];
    out.fieldChar.push_back(ch);
    ++i;
  }
  std::size_t from = 0;
  std::size_t to = out.text.size();
  while (from < to && isBlank(out.text[from])) ++from;
  while (to > from && isBlank(out.text[to - 1])) --to;
  out.text = out.text.substr(from, to - from);
  out.fieldChar = std::vector<int>(out.fieldChar.begin() + static_cast<std::ptrdiff_t>(from),
                                   out.fieldChar.begin() + static_cast<std::ptrdiff_t>(to));
  return out;
}

}  // namespace ravlo
