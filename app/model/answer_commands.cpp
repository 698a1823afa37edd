#include "app/model/answer_commands.h"

#include <string>

#include "core/number_theory.h"
#include "core/text_helpers.h"
#include "process/conversion_command.h"

namespace ravlo {
namespace {

ConversionResult convert(CalcState& st, ConversionKind kind, std::string_view line) {
  st.process.options.PROCDSP = st.settings().PROCDSP ? 1 : 0;
  NumberTheory numberTheory(st.sink());
  ConversionCommands commands(st.process, st.sink(), numberTheory);
  return commands.run(kind, line);
}

// A changed line is a result: closed for input, shown in the input-string panel, drawn.
void finish(CalcState& st) {
  st.closeInput();
  if (st.settings().INPUTSTR_DSP) st.InpStrDsp(st.InpSiki);
  st.repaint();
}

// The line part and the answer column after "&".
struct AnnoSplit {
  std::string line;
  std::string anno;
  bool hasAnno = false;
  std::string join(std::string_view converted) const {
    return hasAnno ? std::string(converted) + "&" + anno : std::string(converted);
  }
};

AnnoSplit splitAnno(std::string_view text) {
  AnnoSplit s;
  const std::size_t amp = text.find('&');
  s.line = std::string(text.substr(0, amp));
  if (amp != std::string_view::npos) {
    s.hasAnno = true;
    s.anno = std::string(text.substr(amp + 1));
  }
  return s;
}

// The "＝" signs the renderer draws in a line part: "<=" and ">=" are one relation sign.
int equalSignCount(std::string_view line) {
  int n = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '=' && (i == 0 || (line[i - 1] != '<' && line[i - 1] != '>'))) ++n;
  }
  return n;
}

// 帯T and 仮K: the value appended after the line part's last "=" stands out in its own ink.
void markAppendedValue(CalcState& st) {
  const std::string_view line = std::string_view(st.InpSiki).substr(0, st.InpSiki.find('&'));
  const std::size_t eq = line.rfind('=');
  if (eq == std::string_view::npos) return;
  st.AppendedValues.push_back({eq + 1, line.size(), kAppendedValueColor});
}

// Reduce, decimal to fraction and the repeating-decimal conversions append to the line part;
// the answer column keeps its place after "&".
bool appendingCommand(CalcState& st, ConversionKind kind) {
  if (st.InpSiki.empty()) return false;
  const AnnoSplit parts = splitAnno(st.InpSiki);
  if (parts.line.empty()) return false;
  const ConversionResult r = convert(st, kind, parts.line);
  if (!r.done) return false;
  if (!r.processBuilt) st.InpSiki = parts.join(r.line);
  finish(st);
  return true;
}

}  // namespace

bool AnswerAsDecimal(CalcState& st) {
  if (st.AnsShownSyou || st.InpSiki.empty()) return false;
  const int equalIndex = equalSignCount(splitAnno(st.InpSiki).line);
  const ConversionResult r = convert(st, ConversionKind::Decimal, st.InpSiki);
  if (!r.done) return false;
  st.InpSiki = r.line;
  const bool divides = r.note == kDividesNote;
  st.DecimalNote = AnswerNote{divides ? kDividedNote : kNotDividedNote,
                              divides ? Color{0x008000} : Color{0x0000FF},
                              st.settings().FONTSIZE / 2, equalIndex};
  st.AnsShownSyou = true;
  st.answerButtonsChanged();
  finish(st);
  return true;
}

bool AnswerAsMixed(CalcState& st) {
  if (st.AnsShownTai) {
    st.sink().box(kAlreadyMixedShownCaption, kAlreadyMixedShownText);
    return false;
  }
  if (st.InpSiki.empty()) return false;
  const ConversionResult r = convert(st, ConversionKind::Tai, st.InpSiki);
  if (!r.done) return false;
  st.AnsShownTai = true;
  st.answerButtonsChanged();
  if (!r.processBuilt) {
    st.InpSiki = r.line;
    markAppendedValue(st);
  }
  finish(st);
  return true;
}

bool AnswerAsImproper(CalcState& st) {
  if (st.AnsShownKa || st.InpSiki.empty()) return false;
  const ConversionResult r = convert(st, ConversionKind::Ka, st.InpSiki);
  if (!r.done) return false;
  st.AnsShownKa = true;
  st.answerButtonsChanged();
  if (!r.processBuilt) {
    st.InpSiki = r.line;
    markAppendedValue(st);
  }
  finish(st);
  return true;
}

bool ReduceLine(CalcState& st) { return appendingCommand(st, ConversionKind::Yaku); }

bool DecimalToFraction(CalcState& st) { return appendingCommand(st, ConversionKind::Syou); }

bool JunkanSyori(CalcState& st) {
  const std::string last = LastAns(splitAnno(st.InpSiki).line);
  // A mark in the first place is a typing slip, not a number.
  const std::size_t at = last.find('@');
  if (at != std::string::npos && at >= 1) return appendingCommand(st, ConversionKind::Junkan);
  const std::size_t over = last.find('b');
  if (over != std::string::npos && over >= 1) {
    return appendingCommand(st, ConversionKind::JunkanOf);
  }
  return false;
}

}  // namespace ravlo
