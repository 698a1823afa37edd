#include "notebook/model/note_line_check.h"

#include "core/message_sink.h"
#include "expr/inp_check.h"

namespace ravlo {

std::size_t NoteLineCheck(InpCheckState& st, std::string_view text) {
  if (text.find('x') != std::string_view::npos) text = text.substr(0, text.find('&'));
  // The caller tells the learner once for all lines; the checker's own notices (the
  // 20-digit warning) would repeat for every line.
  NullSink quiet;
  return SikiCheck(st, text, false, false, true, false, quiet);
}

}  // namespace ravlo
