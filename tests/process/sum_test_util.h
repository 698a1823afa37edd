#pragma once
// Shared helpers of the process tests: a fresh engine per case and the tidy text cut into
// its entries.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_sink.h"
#include "process/process_engine.h"

namespace ravlo::test {

struct ProcEntry {
  int advice = 0;
  char tag = 'X';
  std::string expr;
};

// Entries of a tidy process text ("NNNT E~NNNT=E~...").
inline std::vector<ProcEntry> procEntries(std::string_view text) {
  std::vector<ProcEntry> out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('~', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view e = text.substr(start, end - start);
    ProcEntry pe;
    if (e.size() >= 4) {
      pe.advice = (e[0] - '0') * 100 + (e[1] - '0') * 10 + (e[2] - '0');
      pe.tag = e[3];
      std::string_view x = e.substr(4);
      if (!x.empty() && x.front() == '=') x.remove_prefix(1);
      pe.expr = std::string(x);
    } else {
      pe.expr = std::string(e);
    }
    out.push_back(pe);
    start = end + 1;
  }
  return out;
}

// One engine with its own context and recording sink.
struct EngineFixture {
  ProcessContext ctx;
  RecordingSink sink;
  ProcessEngine engine{ctx, sink};

  explicit EngineFixture(int betsukai = 0, int procLastAns = 0) {
    ctx.BetsukaiMode = betsukai;
    ctx.options.PROCLASTANS = procLastAns;
  }
  // CalcProcMake, returning the tidy text ("" when no process was built).
  std::string process(std::string_view expr) {
    return engine.CalcProcMake(expr, true) == 1 ? ctx.ProcText : std::string();
  }
};

}  // namespace ravlo::test
