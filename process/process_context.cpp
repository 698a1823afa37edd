#include "process/process_context.h"

namespace ravlo {

void appendEntry(std::string& text, int advice, char tag, std::string_view expr) {
  if (advice < 0 || advice > 999) advice = 0;
  text += '~';
  text += static_cast<char>('0' + advice / 100);
  text += static_cast<char>('0' + advice / 10 % 10);
  text += static_cast<char>('0' + advice % 10);
  text += tag;
  text += '=';
  text += expr;
}

}  // namespace ravlo
