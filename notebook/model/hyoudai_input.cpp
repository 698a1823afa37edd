#include "notebook/model/hyoudai_input.h"

#include "notebook/model/note_messages.h"

namespace ravlo {

bool HyoudaiInput::open() {
  if (HyoudaiOpenFlag) {
    sink_.box(kNoteCheckCaption, kHyoudaiAlreadyOpenText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  HyoudaiOpenFlag = true;
  HyoudaiChgFlag = false;
  return true;
}

void HyoudaiInput::take(std::string_view field, bool edited) {
  doc_.HyoudaiStr = std::string(field);
  if (edited) HyoudaiChgFlag = true;
}

void HyoudaiInput::close() {
  HyoudaiOpenFlag = false;
  if (HyoudaiChgFlag) doc_.HenkouFlag = 1;
}

}  // namespace ravlo
