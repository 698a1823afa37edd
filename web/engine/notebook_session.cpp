#include "web/engine/notebook_session.h"

#include <utility>

namespace ravlo {

NotebookSession::NotebookSession() : files_(doc_, queue_), compute_(doc_, queue_, settings_) {}

bool NotebookSession::open(std::string bytes, const std::string& name) {
  return files_.NoteReadBytes(std::move(bytes), name);
}

std::string NotebookSession::save() {
  SikiFileBytes file = files_.bytesToWrite();
  doc_.NoteEncoding = file.encoding;
  doc_.NoteFileBytes = file.bytes;
  doc_.markSaved();
  return std::move(file.bytes);
}

}  // namespace ravlo
