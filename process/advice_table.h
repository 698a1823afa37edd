#pragma once
// The numbered teaching lines that comment the steps of a worked solution, and the rule that
// decides which steps and which of their lines are drawn.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "process/process_context.h"

namespace ravlo {

inline constexpr int kAdviceCount = 100;

// The text of advice n (0..99); "" for 0 (no advice) and for numbers outside the table.
std::string_view adviceText(int n);

// Advice numbers whose steps only the detailed level (PROCTEIDO = 1) draws.
inline constexpr std::array<int, 3> kDetailFilter{1, 4, 35};

bool isDetailOnlyAdvice(int n);

// Whether the entryIndex-th entry (counted from 1) with advice n is drawn: the ordinary
// level skips detail-only steps, except the first one.
bool processEntryShown(int entryIndex, int advice, const ProcessOptions& options);
// Whether a drawn entry gets its advice line.
bool adviceLineShown(int advice, const ProcessOptions& options);

// One entry of a tidy process text.
struct ProcEntry {
  int advice = 0;        // 0 when the entry carries no number
  char tag = 'X';        // one of XYZA
  std::string expr;      // the expression, with its leading "=" for every entry but the first
};

// Splits a tidy process text ("NNNTexpr~NNNT=expr~...") into its entries; the walk stops at
// the last "~".
std::vector<ProcEntry> procEntries(std::string_view tidyText);

struct ShownEntry {
  ProcEntry entry;
  bool adviceShown = false;
};
// The entries that are drawn, in order, each with whether its advice line is drawn.
std::vector<ShownEntry> shownProcEntries(std::string_view tidyText, const ProcessOptions& options);

// The process options from the program's settings record (any record with the four 0/1
// members PROCDSP, ADVICEDSP, PROCTEIDO, PROCLASTANS); the unsaved HENKAN_YAKUBUN is taken
// from `current`.
template <typename Settings>
ProcessOptions processOptionsFrom(const Settings& settings, const ProcessOptions& current = {}) {
  ProcessOptions o = current;
  o.PROCDSP = settings.PROCDSP ? 1 : 0;
  o.ADVICEDSP = settings.ADVICEDSP ? 1 : 0;
  o.PROCTEIDO = settings.PROCTEIDO ? 1 : 0;
  o.PROCLASTANS = settings.PROCLASTANS ? 1 : 0;
  return o;
}

}  // namespace ravlo
