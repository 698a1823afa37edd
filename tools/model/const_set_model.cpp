#include "tools/model/const_set_model.h"

#include <algorithm>

namespace ravlo {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string trimmed(std::string_view s) {
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return std::string(s);
}

// The first `n` characters of UTF-8 text.
std::string firstCharacters(std::string_view s, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && count++ == n) {
      return std::string(s.substr(0, i));
    }
  }
  return std::string(s);
}

}  // namespace

TeisuuEntry parseTeisuuSlot(std::string_view slot) {
  const std::size_t hash = slot.find('#');
  if (hash == std::string_view::npos) return {trimmed(slot), {}};
  return {trimmed(slot.substr(0, hash)), trimmed(slot.substr(hash))};
}

std::string teisuuSlotText(const TeisuuEntry& entry) {
  return entry.tag.empty() ? entry.value : entry.value + " " + entry.tag;
}

ConstSetModel::ConstSetModel(CalcSettings& settings, MessageSink& sink)
    : settings_(settings), sink_(sink) {}

void ConstSetModel::open(TeisuuOwner by) {
  owner = by;
  entries_.clear();
  for (const std::string& slot : settings_.ATAI) {
    if (trimmed(slot).empty()) continue;
    entries_.push_back(parseTeisuuSlot(slot));
  }
  selected = entries_.empty() ? -1 : std::clamp(selected, 0, static_cast<int>(entries_.size()) - 1);
  digits = std::clamp(digits, kTeisuuDigitsMin, kTeisuuDigitsMax);
}

void ConstSetModel::close() {
  writeSlots();
  owner = TeisuuOwner::None;
}

void ConstSetModel::writeSlots() {
  for (std::size_t i = 0; i < settings_.ATAI.size(); ++i) {
    settings_.ATAI[i] = i < entries_.size() ? teisuuSlotText(entries_[i]) : std::string();
  }
  settings_.TEISUU_SOUSUU = static_cast<int>(std::min(entries_.size(), settings_.ATAI.size()));
}

std::string ConstSetModel::entryText(std::size_t index) const {
  const TeisuuEntry& e = entries_.at(index);
  return std::to_string(index) + "> " + e.value + (e.tag.empty() ? "" : " " + e.tag);
}

std::string ConstSetModel::nameTag() const {
  const std::string t = trimmed(name);
  return t.empty() ? std::string() : "#" + t;
}

bool ConstSetModel::ask(std::string_view caption, std::string_view text) {
  return sink_.box(caption, text, BoxButtons::OkCancel, BoxIcon::Question) == BoxAnswer::Ok;
}

bool ConstSetModel::add() {
  if (entries_.size() >= static_cast<std::size_t>(kConstantSlots)) {
    sink_.box(kTeisuuConfirmCaption, kTeisuuFullText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  const TeisuuValue v = teisuuValue(input, digits);
  using S = TeisuuValue::Status;
  switch (v.status) {
    case S::Empty: return false;
    case S::NotReal:
    case S::NotInteger:
      sink_.box(kTeisuuReportCaption, kTeisuuNotRealText, BoxButtons::Ok, BoxIcon::Information);
      return false;
    case S::TooManyDigits:
      sink_.box(kTeisuuConfirmCaption, kTeisuuTooManyText, BoxButtons::Ok, BoxIcon::Information);
      return false;
    case S::Ok: break;
  }
  for (const TeisuuEntry& e : entries_) {
    if (e.value == v.value) {
      sink_.box(kTeisuuConfirmCaption, "< " + v.value + std::string(kTeisuuSameSuffix),
                BoxButtons::Ok, BoxIcon::Information);
      return false;
    }
  }
  entries_.push_back({v.value, nameTag()});
  selected = static_cast<int>(entries_.size()) - 1;
  sink_.box(kTeisuuConfirmCaption, entryText(entries_.size() - 1) + std::string(kTeisuuSavedSuffix),
            BoxButtons::Ok, BoxIcon::Information);
  // Kept in the settings at once: a crash or a forced end loses nothing stored.
  writeSlots();
  return true;
}

std::optional<std::string> ConstSetModel::selectedValue() {
  if (selected < 0 || selected >= static_cast<int>(entries_.size())) {
    sink_.box(kTeisuuAskCaption, kTeisuuChooseText, BoxButtons::Ok, BoxIcon::Information);
    return std::nullopt;
  }
  return entries_[static_cast<std::size_t>(selected)].value;
}

std::string ConstSetModel::pasteValue() const { return trimmed(replacePaiExp(input)); }

void ConstSetModel::takeSelected() {
  if (selected < 0 || selected >= static_cast<int>(entries_.size())) {
    sink_.box(kTeisuuAskCaption, kTeisuuChooseText, BoxButtons::Ok, BoxIcon::Information);
    return;
  }
  if (!input.empty()) {
    if (!ask(kTeisuuAskCaption, kTeisuuOverwriteText)) return;
    savedInput = input;
  }
  input = entries_[static_cast<std::size_t>(selected)].value;
}

void ConstSetModel::clearInput() {
  if (!input.empty()) savedInput = input;
  input.clear();
}

void ConstSetModel::restoreInput() { input = savedInput; }

void ConstSetModel::copyInputToName() {
  if (!ask(kTeisuuAskCaption, kTeisuuCopyNameText)) return;
  name = firstCharacters(input, kTeisuuNameMax);
}

void ConstSetModel::deleteSelected() {
  if (selected < 0 || selected >= static_cast<int>(entries_.size())) {
    sink_.box(kTeisuuAskCaption, kTeisuuChooseText, BoxButtons::Ok, BoxIcon::Information);
    return;
  }
  const auto index = static_cast<std::size_t>(selected);
  std::string text(kTeisuuDeleteText);
  text.replace(text.find("%s"), 2, entryText(index));
  if (!ask(kTeisuuAskCaption, text)) return;
  entries_.erase(entries_.begin() + selected);
  // The same place stays selected, or the last entry when the list got shorter than that.
  selected = entries_.empty() ? -1 : std::min(selected, static_cast<int>(entries_.size()) - 1);
  writeSlots();
}

void ConstSetModel::deleteAll() {
  if (entries_.empty()) return;
  if (!ask(kTeisuuConfirmCaption, kTeisuuDeleteAllText)) return;
  entries_.clear();
  selected = -1;
  writeSlots();
}

bool ConstSetModel::calculate(RealFunc f) {
  const RealCalcResult r = RealCalc(f, input, sink_);
  if (r.status != RealCalcResult::Status::Done) return false;
  sink_.box(kRealDoneCaption, r.report, BoxButtons::Ok, BoxIcon::Information);
  savedInput = input;
  input = r.field;
  return true;
}

}  // namespace ravlo
