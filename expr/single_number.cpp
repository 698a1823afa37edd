#include "expr/single_number.h"

#include "expr/siki_alphabet.h"
#include "expr/text_edit.h"

namespace ravlo {

bool TanSuuCheck(std::string_view text) {
  using text_edit::contains;
  using text_edit::countChar;
  if (OpKind(text).kind != -1) return false;
  if (countChar(text, '(') != countChar(text, ')')) return false;
  if (contains(text, '.')) return text.front() != '.' && text.back() != '.';
  const bool hasK = contains(text, 'k');
  const bool hasB = contains(text, 'b');
  if (!hasK && !hasB) return true;
  if (hasK && hasB) return true;
  if (hasB) return text.back() != 'b';
  return false;
}

}  // namespace ravlo
