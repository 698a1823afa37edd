#include "notebook/model/note_doc.h"

#include <algorithm>
#include <utility>

namespace ravlo {
namespace {

int clampCount(int n) { return std::clamp(n, 0, kSikiMax); }

const std::string& emptyText() {
  static const std::string empty;
  return empty;
}

}  // namespace

int NoteDoc::count() const { return clampCount(SikiSuu); }

const std::string& NoteDoc::Siki(int n) const {
  if (n < 1 || n > count()) return emptyText();
  return SikiTbl[static_cast<std::size_t>(n - 1)];
}

std::vector<std::string> NoteDoc::problems() const {
  return {SikiTbl.begin(), SikiTbl.begin() + count()};
}

void NoteDoc::NoteSnapshot() {
  UndoSel = SelNo;
  UndoSuu = count();
  std::copy_n(SikiTbl.begin(), UndoSuu, UndoTbl.begin());
}

void NoteDoc::NoteUndo() {
  const int n = clampCount(UndoSuu);
  std::copy_n(UndoTbl.begin(), n, SikiTbl.begin());
  std::fill(SikiTbl.begin() + n, SikiTbl.end(), std::string());
  SikiSuu = n;
  SelNo = (UndoSel >= 0 && UndoSel <= n) ? UndoSel : 0;
  HenkouFlag = differsFromFile() ? 1 : 0;
}

void NoteDoc::NoteClearAll() {
  std::fill(SikiTbl.begin(), SikiTbl.end(), std::string());
  SelNo = 0;
  SikiSuu = 0;
  HenkouFlag = 0;
  NoteFileNameStale = true;
  NoteEncoding = SikiEncoding::Cp932;
  NoteFileBytes.clear();
}

void NoteDoc::selectPrevious() {
  if (!hasSelection()) {
    SelNo = count();
  } else {
    SelNo -= 1;
  }
}

void NoteDoc::selectNext() {
  if (SelNo >= 0 && SelNo < count()) {
    SelNo += 1;
  } else {
    SelNo = 0;
  }
}

bool NoteDoc::appendSiki(std::string text) {
  if (full()) return false;
  const int n = count();
  SikiTbl[static_cast<std::size_t>(n)] = std::move(text);
  SikiSuu = n + 1;
  return true;
}

bool NoteDoc::removeSiki(int n) {
  const int total = count();
  if (n < 1 || n > total) return false;
  auto first = SikiTbl.begin() + (n - 1);
  std::move(first + 1, SikiTbl.begin() + total, first);
  SikiTbl[static_cast<std::size_t>(total - 1)].clear();
  SikiSuu = total - 1;
  return true;
}

bool NoteDoc::replaceProblems(const std::vector<std::string>& lines) {
  if (lines.size() > static_cast<std::size_t>(kSikiMax)) return false;
  std::fill(SikiTbl.begin(), SikiTbl.end(), std::string());
  std::copy(lines.begin(), lines.end(), SikiTbl.begin());
  SikiSuu = static_cast<int>(lines.size());
  SelNo = 0;
  return true;
}

bool NoteDoc::setSelectedSiki(std::string text) {
  if (!hasSelection()) return false;
  SikiTbl[static_cast<std::size_t>(SelNo - 1)] = std::move(text);
  HenkouFlag = 1;
  return true;
}

void NoteDoc::markSaved() {
  NoteFileNameStale = false;
  savedTitle_ = HyoudaiStr;
  savedProblems_ = problems();
  HenkouFlag = 0;
}

bool NoteDoc::differsFromFile() const {
  return HyoudaiStr != savedTitle_ || problems() != savedProblems_;
}

}  // namespace ravlo
