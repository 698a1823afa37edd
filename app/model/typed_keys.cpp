#include "app/model/typed_keys.h"

#include "app/model/key_table.h"

namespace ravlo {

TypedKey japaneseKeyFor(char32_t character) {
  switch (character) {
    case U'-': return {vk::Minus, false};
    case U'=': return {vk::Minus, true};
    case U'^': return {vk::Caret, false};
    case U'~': return {vk::Caret, true};
    case U'¥':
    case U'\\': return {vk::Yen, false};
    case U'|': return {vk::Yen, true};
    case U'@': return {vk::At, false};
    case U'`': return {vk::At, true};
    case U'[': return {vk::BracketOpen, false};
    case U'{': return {vk::BracketOpen, true};
    case U';': return {vk::Semicolon, false};
    case U'+': return {vk::Semicolon, true};
    case U':': return {vk::Colon, false};
    case U'*': return {vk::Colon, true};
    case U']': return {vk::BracketClose, false};
    case U'}': return {vk::BracketClose, true};
    case U',': return {vk::Comma, false};
    case U'<': return {vk::Comma, true};
    case U'.': return {vk::Period, false};
    case U'>': return {vk::Period, true};
    case U'/': return {vk::Slash, false};
    case U'?': return {vk::Slash, true};
    case U'_': return {226, true};  // the "ろ" key
    case U'!': return {'1', true};
    case U'"': return {'2', true};
    case U'#': return {'3', true};
    case U'$': return {'4', true};
    case U'%': return {'5', true};
    case U'&': return {'6', true};
    case U'\'': return {'7', true};
    case U'(': return {'8', true};
    case U')': return {'9', true};
    default: break;
  }
  if (character >= U'0' && character <= U'9')
    return {vk::Digit0 + static_cast<int>(character - U'0'), false};
  return {};
}

int keypadKeyFor(char32_t character) {
  if (character >= U'0' && character <= U'9') return vk::Numpad0 + static_cast<int>(character - U'0');
  switch (character) {
    case U'*': return vk::Multiply;
    case U'+': return vk::Add;
    case U'-': return vk::Subtract;
    case U'.':
    case U',': return vk::Decimal;
    case U'/': return vk::Divide;
    default: return 0;
  }
}

}  // namespace ravlo
