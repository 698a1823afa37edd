#include "notebook/model/note_answer.h"

#include "core/number_text.h"

namespace ravlo {

bool NoteHasAnswer(std::string_view text) {
  if (text.find('=') != std::string_view::npos) return true;
  return text.find('x') != std::string_view::npos && text.find('&') != std::string_view::npos;
}

std::string NoteCutAnswer(std::string_view text, MessageSink& sink) {
  NumberText numbers(sink);
  return numbers.SikiCutAnsX(text, true);
}

}  // namespace ravlo
