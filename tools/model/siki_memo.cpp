#include "tools/model/siki_memo.h"

#include <algorithm>

#include "app/model/calc_settings.h"
#include "core/message_sink.h"
#include "expr/inp_check.h"
#include "tools/model/field_text.h"

namespace ravlo {

std::string memoFullText(int limit) {
  return "メモの式が " + std::to_string(limit) + " を超えているので、\n\nもう格納できません。";
}

SikiMemo::SikiMemo(CalcSettings& settings, MessageSink& sink, ToolSession& session)
    : settings_(settings), sink_(sink), session_(session) {
  for (const std::string& slot : settings_.SIKI) {
    if (!slot.empty() && count() < kMemoMax) entries_.push_back(slot);
  }
  select(session_.memoIndex);
}

void SikiMemo::select(int index) { selected_ = (index >= 0 && index < count()) ? index : -1; }

std::string SikiMemo::selectedText() const {
  return selected_ < 0 ? std::string() : entries_[static_cast<std::size_t>(selected_)];
}

bool SikiMemo::MemoAdd(std::string_view text) {
  if (text.empty()) return false;
  if (count() >= kMemoMax) {
    sink_.box(kMemoCheckCaption, memoFullText(kMemoMax));
    return false;
  }
  if (std::find(entries_.begin(), entries_.end(), text) != entries_.end()) {
    sink_.box(kMemoCheckCaption, kMemoSameText);
    return false;
  }
  entries_.emplace_back(text);
  selected_ = count() - 1;
  return true;
}

bool SikiMemo::deleteSelected() {
  if (selected_ < 0) return false;
  if (sink_.box(kMemoCheckCaption, kMemoDeleteText, BoxButtons::OkCancel, BoxIcon::Question) !=
      BoxAnswer::Ok)
    return false;
  entries_.erase(entries_.begin() + selected_);
  select(selected_);
  return true;
}

bool SikiMemo::deleteAll() {
  if (sink_.box(kMemoCheckCaption, kMemoDeleteAllText, BoxButtons::OkCancel, BoxIcon::Question) !=
      BoxAnswer::Ok)
    return false;
  entries_.clear();
  selected_ = -1;
  return true;
}

void SikiMemo::look() {
  const std::string text = selectedText();
  if (text.empty()) return;
  const CommentSplit parts = splitComment(text);
  InpCheckState checker;
  if (SikiCheck(checker, parts.expr, false, true, true, true, sink_) != 0) return;
  sink_.smallMessage("@" + checker.checkedText + parts.comment, kMemoLookCaption, kMemoLookMs);
}

void SikiMemo::close() {
  for (std::size_t i = 0; i < settings_.SIKI.size(); ++i) {
    settings_.SIKI[i] = i < entries_.size() ? entries_[i] : std::string();
  }
  settings_.MEMO_SOUSUU = count();
  session_.memoIndex = selected_;
}

}  // namespace ravlo
