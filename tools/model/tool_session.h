#pragma once
// What the expression editor and the memo keep between their openings, for the program's run.
#include <string>

namespace ravlo {

struct ToolSession {
  // The editor's text kept aside (退避): empty at program start.
  std::string savedText;
  // The memo entry selected when the memo last closed; the next opening selects it again.
  int memoIndex = 0;
};

}  // namespace ravlo
