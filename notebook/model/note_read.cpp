#include "notebook/model/note_read.h"

#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include "notebook/model/note_messages.h"

namespace ravlo {

NoteRead::NoteRead(const NoteDoc& doc, MessageSink& sink, CalcVoice& voice, Sleeper sleeper)
    : doc_(doc), sink_(sink), voice_(voice), sleeper_(std::move(sleeper)) {
  if (!sleeper_)
    sleeper_ = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
}

bool NoteRead::readSelected() {
  if (!doc_.hasSelection()) {
    sink_.box(kNoteCheckCaption, kNoteReadSelectText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  voice_.SikiSpeak("かっこ" + std::to_string(doc_.SelNo) + "_" + doc_.Siki(doc_.SelNo), true);
  return true;
}

int NoteRead::readAll() {
  int read = 0;
  for (int n = 1; n <= doc_.count(); ++n) {
    if (sink_.interruptRequested()) break;
    voice_.SikiSpeak("Q" + std::to_string(n) + "_" + doc_.Siki(n), true);
    ++read;
    sleeper_(kNoteReadPauseMs);
  }
  return read;
}

}  // namespace ravlo
