#include "notebook/model/note_files.h"

#include <filesystem>
#include <system_error>

#include "app/model/file_io.h"
#include "notebook/model/note_messages.h"
#include "notebook/model/siki_ext_fix.h"
#include "notebook/model/siki_file.h"

namespace ravlo {
namespace {

std::string tooManyText(std::size_t count) {
  std::string text(kNoteTooManyText);
  const std::size_t at = text.find("%d");
  text.replace(at, 2, std::to_string(count));
  return text;
}

}  // namespace

NoteFiles::NoteFiles(NoteDoc& doc, MessageSink& sink) : doc_(doc), sink_(sink) {}

bool NoteFiles::NoteReadFile(const std::string& path) {
  FileRead read = readWholeFile(path, kMaxSikiFileBytes);
  switch (read.status) {
    case FileReadStatus::Ok:
      break;
    case FileReadStatus::TooLarge:
      sink_.box(kNoteWarnCaption, kNoteNotSikiText, BoxButtons::Ok, BoxIcon::Warning);
      return false;
    case FileReadStatus::Missing:
    case FileReadStatus::NotAFile:
    case FileReadStatus::Error:
      sink_.box(kNoteWarnCaption, kNoteOpenFailedText, BoxButtons::Ok, BoxIcon::Warning);
      return false;
  }
  return NoteReadBytes(std::move(read.bytes), path);
}

bool NoteFiles::NoteReadBytes(std::string bytes, const std::string& name) {
  if (bytes.size() > kMaxSikiFileBytes) {
    sink_.box(kNoteWarnCaption, kNoteNotSikiText, BoxButtons::Ok, BoxIcon::Warning);
    return false;
  }
  SikiFileDecode decoded = decodeSikiFile(bytes);
  switch (decoded.status) {
    case SikiFileStatus::Ok:
      break;
    case SikiFileStatus::NotText:
      sink_.box(kNoteWarnCaption, kNoteNotSikiText, BoxButtons::Ok, BoxIcon::Warning);
      return false;
    case SikiFileStatus::TooManyProblems:
      sink_.box(kNoteWarnCaption, tooManyText(decoded.problemLines), BoxButtons::Ok,
                BoxIcon::Warning);
      return false;
  }

  doc_.HyoudaiStr = std::move(decoded.content.title);
  doc_.NoteEncoding = decoded.content.encoding;
  doc_.NoteFileBytes = std::move(bytes);
  doc_.replaceProblems(decoded.content.problems);
  doc_.NoteFileName = name;
  doc_.SelNo = 0;
  view_->NoteRedraw();
  doc_.markSaved();
  // The undo copy belongs to the notebook that was open before; undoing into it would put
  // that notebook's problems under this file's name.
  doc_.NoteSnapshot();

  if (decoded.content.errorCount > 0) {
    sink_.box(kNoteReadIssuesCaption, kNoteReadIssuesText, BoxButtons::Ok, BoxIcon::Warning);
    view_->OpenNoteEditor();
  }
  return true;
}

SikiFileBytes NoteFiles::bytesToWrite() const {
  if (doc_.NoteFileBytes.empty() || doc_.differsFromFile())
    return sikiFileBytes(doc_.HyoudaiStr, doc_.problems(), doc_.NoteEncoding);
  return {doc_.NoteFileBytes, doc_.NoteEncoding};
}

int NoteFiles::NoteWriteFile(const std::string& path) {
  SikiFileBytes file = bytesToWrite();
  lastWriteError_.clear();
  if (path.empty()) {
    lastWriteError_ = "no file name";
    return -1;
  }
  if (!writeFileAtomically(path, file.bytes, lastWriteError_)) return -1;
  doc_.NoteEncoding = file.encoding;
  doc_.NoteFileBytes = std::move(file.bytes);
  doc_.markSaved();
  return 1;
}

bool NoteFiles::confirmOverwrite(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  const std::string text = std::string(fileNamePart(path)) + std::string(kNoteOverwriteText);
  return sink_.box(kNoteOverwriteCaption, text, BoxButtons::YesNo, BoxIcon::Warning) ==
         BoxAnswer::Yes;
}

NoteSaveResult NoteFiles::writeAs(const std::string& path) {
  const std::string previous = doc_.NoteFileName;
  doc_.NoteFileName = path;
  if (NoteWriteFile(path) == 1) return NoteSaveResult::Saved;
  doc_.NoteFileName = previous;
  sink_.box(kNoteWarnCaption, std::string(kNoteWriteFailedText) + path + "\n" + lastWriteError_,
            BoxButtons::Ok, BoxIcon::Warning);
  return NoteSaveResult::Failed;
}

NoteSaveResult NoteFiles::NoteSave() {
  if (doc_.HenkouFlag == 0) return NoteSaveResult::NotNeeded;
  // A cleared or closed notebook is a new one: the old name only suggests where to save.
  if (doc_.NoteFileName.empty() || doc_.NoteFileNameStale) return NoteSaveAs();
  const std::string target = SikiExtFix(doc_.NoteFileName);
  // The file that was opened is the one to replace; another file that only shares its
  // name up to the extension is not replaced unasked.
  if (target != doc_.NoteFileName && !confirmOverwrite(target)) return NoteSaveResult::Cancelled;
  return writeAs(target);
}

NoteSaveResult NoteFiles::NoteSaveAs() {
  for (;;) {
    const std::optional<std::string> chosen = chooser_->chooseSaveFile(doc_.NoteFileName);
    if (!chosen || chosen->empty()) return NoteSaveResult::Cancelled;
    // Asked about the name that is really written: the dialog saw the name before its
    // extension was fixed. "No" goes back to the dialog, as the dialog's own question does.
    const std::string target = SikiExtFix(*chosen);
    if (confirmOverwrite(target)) return writeAs(target);
  }
}

bool NoteFiles::NoteOpen() {
  if (doc_.HenkouFlag == 1) {
    const BoxAnswer answer =
        sink_.box(kNoteCheckCaption, kNoteOpenSaveText, BoxButtons::YesNoCancel, BoxIcon::Question);
    if (answer == BoxAnswer::Cancel) return false;
    // Opening replaces the document: when the changes could not be put in a file, keep them.
    if (answer == BoxAnswer::Yes && !noteSaveKeptChanges(NoteSave())) return false;
  }
  const std::optional<std::string> chosen =
      chooser_->chooseOpenFile(kNoteOpenDialogTitle, kNoteOpenDialogFilter);
  if (!chosen || chosen->empty()) return false;
  return NoteReadFile(*chosen);
}

}  // namespace ravlo
