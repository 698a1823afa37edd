#include "tools/model/siki_edit_model.h"

#include <cctype>
#include <utility>

#include "app/model/calc_state.h"
#include "app/model/nsin_mode.h"
#include "core/text_helpers.h"
#include "expr/houtei_solver.h"
#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"
#include "tools/model/field_text.h"
#include "tools/model/screen_line.h"

namespace ravlo {
namespace {

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// The first answer form of a computed line ‹q=a1=a2›: a1.
std::string firstAnswer(std::string_view line) {
  const std::size_t first = line.find('=');
  if (first == std::string_view::npos) return {};
  const std::size_t second = line.find('=', first + 1);
  return std::string(line.substr(first + 1, second == std::string_view::npos
                                                ? std::string_view::npos
                                                : second - first - 1));
}

}  // namespace

std::string savedText(std::string_view text) {
  return "< " + std::string(text) + " > を一時退避しました。";
}

SikiEditModel::SikiEditModel(CalcState& state, ToolSession& session, SikiEditTarget target)
    : state_(state), session_(session), target_(std::move(target)) {}

std::optional<std::string> SikiEditModel::checked(std::string_view field, bool cutComment,
                                                  EditorOutcome& outcome) {
  const FieldText t = readField(field, state_.PaiStr, cutComment);
  outcome.errorLine = std::string(kSikiEditErrorRest);
  // The screen starts a new line; the notebook's problem waits for the result.
  if (!target_.isNotebook()) state_.SikiClear();
  InpCheckState checker;
  const std::size_t p = SikiCheck(checker, t.text, false, true, state_.settings().KAKERU_ABR != 0,
                                  false, state_.sink());
  if (p != 0) {
    outcome.errorLine = "◇ｴﾗｰ::(" + std::to_string(p) + "字目) " +
                        std::string(inpCheckMessage(checker.InpErrNo));
    outcome.selectChar = t.charAt(p);
    return std::nullopt;
  }
  return checker.checkedText;
}

EditorOutcome SikiEditModel::display(std::string_view field) {
  EditorOutcome outcome;
  const std::optional<std::string> u = checked(field, true, outcome);
  if (!u) return outcome;
  target_.showChecked(state_, *u);
  outcome.done = true;
  return outcome;
}

EditorOutcome SikiEditModel::compute(std::string_view field) {
  EditorOutcome outcome;
  if (state_.NsinMode) {
    state_.InpSiki = upper(field);
    outcome.done = NsinHenkan(state_);
    return outcome;
  }
  if (field.find('#') != std::string_view::npos) {
    outcome.errorLine = std::string(kSikiEditCommentText);
    return outcome;
  }
  const std::optional<std::string> s = checked(field, false, outcome);
  if (!s) return outcome;
  if (s->find_first_of("yz") != std::string::npos) {
    if (!target_.isNotebook()) putTypedLine(state_, *s);
    state_.sink().box(kSikiEditYZCaption, kSikiEditYZText);
    return outcome;
  }
  const std::optional<std::string> line = computedLine(*s);
  if (!line) return outcome;
  target_.showComputed(state_, *line);
  outcome.field = readField(field, state_.PaiStr, false).text;
  outcome.done = true;
  return outcome;
}

std::optional<std::string> SikiEditModel::computedLine(const std::string& s) {
  MessageSink& sink = state_.sink();
  const std::string q = SikiCutAns(s, false);
  if (q.find('x') != std::string::npos) {
    HouteiSolver solver(sink, state_.evaluator, state_.numberText, state_.bunsuuH);
    solver.ANSSYU = state_.settings().ANSSYU;
    const std::string r = solver.HouteiSolve(state_.numberText.AnnoCut(s), 1);
    if (r == kFailText) {
      if (!solver.HouteiErrMsg.empty()) sink.box(kHouteiCaption, solver.HouteiErrMsg);
      return std::nullopt;
    }
    return r;
  }
  if (q.find(':') != std::string::npos) {
    const std::string a = state_.evaluator.HiKantan(q, 0);
    if (a == kFailText) return std::nullopt;
    return q + "=" + a + "&" + a;
  }
  const std::string r = state_.evaluator.SikiCalc(q, state_.AnsForm, 1);
  if (state_.evaluator.CalcStatus < 0) return std::nullopt;
  return r + "&" + firstAnswer(r);
}

bool SikiEditModel::solve(std::string_view field, EditorOutcome& outcome) {
  const std::optional<std::string> s = checked(field, true, outcome);
  if (!s) return false;
  putTypedLine(state_, *s);
  state_.runCommand(CalcCommand::Solve);
  return true;
}

void SikiEditModel::keepAside(std::string_view field) {
  if (field.empty()) {
    state_.sink().box(kSavedCaption, kSaveEmptyText);
    return;
  }
  session_.savedText = std::string(field);
  state_.sink().box(kSavedCaption, savedText(field));
}

std::optional<std::string> SikiEditModel::savedForInsert() {
  if (session_.savedText.empty()) {
    state_.sink().box(kSavedCaption, kNothingSavedText);
    return std::nullopt;
  }
  return session_.savedText;
}

void SikiEditModel::lookSaved() {
  if (session_.savedText.empty()) {
    state_.sink().box(kSavedCaption, kNothingSavedText);
    return;
  }
  InpCheckState checker;
  if (SikiCheck(checker, session_.savedText, false, true, true, true, state_.sink()) != 0) return;
  state_.sink().smallMessage("@" + checker.checkedText, kSavedLookCaption, kSavedLookMs);
}

NoteButtonAction SikiEditModel::noteButton(bool notebookOpen) const {
  if (!notebookOpen) return NoteButtonAction::OpenNotebook;
  if (target_.isNotebook()) return NoteButtonAction::CloseEditor;
  state_.sink().box(kSikiEditNoteOpenCaption, kSikiEditNoteOpenText);
  return NoteButtonAction::AlreadyOpen;
}

bool SikiEditModel::mayClose(bool modified) {
  if (!modified) return true;
  return state_.sink().box(kSikiEditCloseCaption, kSikiEditCloseText, BoxButtons::OkCancel,
                           BoxIcon::Question) == BoxAnswer::Ok;
}

void SikiEditModel::closed() { state_.LastSiki = state_.InpSiki; }

bool SikiEditModel::switchKeyDiversion() {
  CalcSettings& s = state_.settings();
  s.KEYTENYOU = s.KEYTENYOU != 0 ? 0 : 1;
  return s.KEYTENYOU != 0;
}

bool SikiEditModel::keyDiversion() const { return state_.settings().KEYTENYOU != 0; }

}  // namespace ravlo
