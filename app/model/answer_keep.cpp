#include "app/model/answer_keep.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/model/calc_state.h"
#include "core/text_helpers.h"

namespace ravlo {
namespace {

// The relation signs a solved line may put before its value.
constexpr std::array<std::string_view, 8> kRelationSigns = {"<", ">", "=", "＝", "＜", "≦", "＞", "≧"};

bool isPlainAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The line without its answer column.
std::string_view linePart(std::string_view text) { return text.substr(0, text.find('&')); }

std::vector<std::string_view> answerTerms(std::string_view line) {
  std::vector<std::string_view> terms;
  std::size_t eq = line.find('=');
  while (eq != std::string_view::npos) {
    const std::size_t next = line.find('=', eq + 1);
    const std::size_t end = next == std::string_view::npos ? line.size() : next;
    terms.push_back(line.substr(eq + 1, end - eq - 1));
    eq = next;
  }
  return terms;
}

bool onLine(const std::vector<std::string_view>& terms, const std::string& form) {
  return !form.empty() && std::find(terms.begin(), terms.end(), form) != terms.end();
}

std::string firstForm(const Evaluator& ev) {
  return !ev.AnsTaiStr.empty() ? ev.AnsTaiStr : ev.AnsKaStr;
}

// The worked solution keeps its own evaluator, so the answer of a question shown as a
// process is worked out here again, silently: the process has already said all there is.
std::string quietAnswer(std::string_view question) {
  NullSink quiet;
  NumberText numberText(quiet);
  BunsuuHContext bunsuuH;
  InpCheckState check;
  KakkoContext kakko;
  Evaluator ev(quiet, numberText, bunsuuH, check, kakko);
  ev.SikiCalc(question, 0, 0);
  if (ev.CalcStatus < 0) return {};
  return firstForm(ev);
}

}  // namespace

std::string keptStatusText(std::string_view kept) {
  return "CopyAnswer:: < " + std::string(kept) + " >を保存しました。";
}

std::string solvedValue(std::string_view line) {
  const std::size_t amp = line.find('&');
  if (amp == std::string_view::npos || amp + 2 > line.size()) return {};
  std::string_view value = line.substr(amp + 2);
  for (bool cut = true; cut;) {
    cut = false;
    for (std::string_view sign : kRelationSigns) {
      if (value.starts_with(sign)) {
        value.remove_prefix(sign.size());
        cut = true;
      }
    }
  }
  // "(不定)" and "(不能)" say there is no single value; typed back they would only leave a
  // stray bracket.
  if (!isPlainAscii(value)) return {};
  return std::string(value);
}

std::string computedLine(CalcState& st) {
  if (st.InpAccept || st.InpSiki.empty()) return {};
  if (st.process.ProcType == 0 || st.process.ProcText.empty()) return st.InpSiki;
  const std::string question = SikiCutAns(linePart(st.InpSiki), false);
  const std::string answer = quietAnswer(question);
  // A conversion's worked solution of a single number has no answer of its own.
  return answer.empty() ? st.InpSiki : question + "=" + answer;
}

std::string AnswerKeep::answerOfLine(CalcState& st) {
  const std::string_view line = linePart(st.InpSiki);
  if (st.process.ProcType != 0 && !st.process.ProcText.empty()) {
    return quietAnswer(SikiCutAns(line, false));
  }
  const std::vector<std::string_view> terms = answerTerms(line);
  // A line closed without "=" (a worked solution that stopped on an error) has no answer.
  if (terms.empty() || terms.back().empty()) return {};
  // The evaluator's forms belong to this line only when the line shows one of them; after
  // a conversion on a typed number they are left over from an earlier line.
  const Evaluator& ev = st.evaluator;
  if (onLine(terms, ev.AnsTaiStr) || onLine(terms, ev.AnsKaStr)) return firstForm(ev);
  return LastAns(line);
}

bool AnswerKeep::CopyAnswer(CalcState& st) {
  MessageSink& sink = st.sink();
  std::string kept = KeptAnswer;
  if (st.InpAccept) {
    if (kept.empty()) {
      sink.box(kKeepCaption, kKeepBeforeAnswerText);
      return false;
    }
  } else if (st.InpSiki.find('&') != std::string::npos &&
             st.InpSiki.find('x') != std::string::npos) {
    kept = solvedValue(st.InpSiki);
  } else {
    kept = answerOfLine(st);
  }
  if (kept.empty()) {
    // The answer kept before stays: a line without an answer must not wipe it.
    sink.box(kKeepCaption, kKeepNothingText);
    return false;
  }
  // A signed value goes in brackets so that it can follow an operator.
  if (kept.front() == 'm' || kept.front() == 'p') kept = "(" + kept + ")";
  KeptAnswer = kept;
  sink.status(keptStatusText(KeptAnswer));
  return true;
}

int AnswerKeep::PasteAnswer(CalcState& st) { return st.JiInputText(KeptAnswer); }

bool AnswerKeep::ViewAnswer(CalcState& st) const {
  if (KeptAnswer.empty()) return false;
  st.sink().smallMessage("@" + KeptAnswer, kKeptAnswerCaption, kKeptAnswerShowMs);
  return true;
}

}  // namespace ravlo
