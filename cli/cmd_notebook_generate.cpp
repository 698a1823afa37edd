// ravlo-cli notebook generate: worksheets of generated problems as .siki notebooks, one file
// per variant, each titled with what it teaches and its code; --list shows the patterns.
#include <charconv>
#include <random>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "core/stream_sink.h"
#include "generate/gen_pattern.h"
#include "generate/grade_presets.h"
#include "generate/sheet_generator.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_files.h"
#include "notebook/model/note_messages.h"
#include "notebook/model/siki_ext_fix.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kGenerateUsage =
    "notebook generate --pattern P[,P...]|--grade G|--code S-NN [--count N] [--seed S] "
    "[--variants K] [--max-den N] [--max-whole N] [--terms N] [--answer KIND] [--op add|sub|both] "
    "[--borrow any|yes|no] [--cancel any|yes|no] -o OUT.siki | notebook generate --list";

std::string defaultsText(const GenPattern& p) {
  std::ostringstream s;
  const GenParams& d = p.defaults;
  if (p.takes & kGenMaxDen) s << " --max-den " << d.maxDen;
  if (p.takes & kGenMaxWhole) s << " --max-whole " << d.maxWhole;
  if (p.takes & kGenTerms) s << " --terms " << d.terms;
  if (p.takes & kGenOp) s << " --op " << GenOpName(d.op);
  if (p.takes & kGenAnswer) s << " --answer " << GenAnswerName(d.answer);
  if (p.takes & kGenBorrow) s << " --borrow " << GenTriName(d.borrow);
  if (p.takes & kGenCancel) s << " --cancel " << GenTriName(d.cancel);
  return s.str();
}

int printList(CliIo& io) {
  io.out << "patterns (--pattern ID; the options each takes, with its defaults):\n";
  for (const GenPattern& p : GenPatterns())
    io.out << "  " << p.id << '\t' << p.name << '\t' << defaultsText(p).substr(1) << '\n';
  io.out << "grades (--grade G):\n";
  for (const GradePreset& g : GradePresets()) {
    io.out << "  " << g.grade << '\t' << g.name << '\t';
    for (std::size_t i = 0; i < g.items.size(); ++i)
      io.out << (i ? "," : "") << g.items[i].pattern;
    io.out << '\n';
  }
  io.out << "--answer any|simple|reduce|whole|mixed, --op add|sub|both, --borrow and --cancel "
            "any|yes|no\n";
  return kOk;
}

bool parseSeed(std::string_view text, uint64_t& seed) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, seed);
  return ec == std::errc() && p == end && !text.empty();
}

std::vector<std::string> splitComma(const std::string& text) {
  std::vector<std::string> out;
  std::string item;
  std::istringstream in(text);
  while (std::getline(in, item, ',')) out.push_back(item);
  return out;
}

// Reads one generator option into the request; "" when fine, else what is wrong.
std::string readOption(const CliOption& o, GenRequest& rq, bool& list, std::string& code) {
  const std::string& n = o.name;
  int v = 0;
  auto needInt = [&](int lo, int hi, std::optional<int>* target, int* plain) -> std::string {
    if (!parseIntOption(o.value, lo, hi, v))
      return n + " needs a number from " + std::to_string(lo) + " to " + std::to_string(hi);
    if (target) *target = v;
    if (plain) *plain = v;
    return {};
  };
  auto needWord = [&](auto parsed, auto& target, std::string_view words) -> std::string {
    if (!parsed) return n + " needs one of " + std::string(words);
    target = *parsed;
    return {};
  };
  if (n == "--list") list = true;
  else if (n == "--pattern") rq.patterns = splitComma(o.value);
  else if (n == "--grade") return needInt(3, 7, nullptr, &rq.grade);
  else if (n == "--count") return needInt(1, kGenCountLimit, nullptr, &rq.count);
  else if (n == "--variants") return needInt(1, kGenVariantLimit, nullptr, &rq.variants);
  else if (n == "--seed") return parseSeed(o.value, rq.seed) ? "" : "--seed needs a number from 0 to 18446744073709551615";
  else if (n == "--code") code = o.value;
  else if (n == "--max-den") return needInt(2, kGenMaxDenLimit, &rq.overrides.maxDen, nullptr);
  else if (n == "--max-whole") return needInt(1, kGenMaxWholeLimit, &rq.overrides.maxWhole, nullptr);
  else if (n == "--terms") return needInt(2, kGenTermsLimit, &rq.overrides.terms, nullptr);
  else if (n == "--answer")
    return needWord(ParseGenAnswer(o.value), rq.overrides.answer, "any simple reduce whole mixed");
  else if (n == "--op") return needWord(ParseGenOp(o.value), rq.overrides.op, "add sub both");
  else if (n == "--borrow") return needWord(ParseGenTri(o.value), rq.overrides.borrow, "any yes no");
  else if (n == "--cancel") return needWord(ParseGenTri(o.value), rq.overrides.cancel, "any yes no");
  else return "unknown option " + n;
  return {};
}

bool endsWithSiki(std::string_view path) {
  return fileNamePart(path).size() > 5 && SikiExtFix(path) == path;
}

// OUT.siki for one sheet, OUT-07.siki for variant 7 of several.
std::string sheetPath(const std::string& out, const GenSheet& sheet, bool several) {
  if (!several) return out;
  const std::string stem = out.substr(0, out.size() - 5);
  return stem + "-" + sheet.code.substr(sheet.code.rfind('-') + 1) + out.substr(out.size() - 5);
}

}  // namespace

int runNotebookGenerate(const Args& args, CliIo& io) {
  std::string out;
  Args rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "-o") {
      rest.push_back(args[i]);
    } else if (i + 1 == args.size() || args[i + 1].empty()) {
      return usageError(io, kGenerateUsage, "-o needs a value");
    } else {
      out = args[++i];
    }
  }
  const SplitArgs split = splitArgs(rest, {"--list"});
  if (!split.problem.empty()) return usageError(io, kGenerateUsage, split.problem);
  if (!split.operands.empty())
    return usageError(io, kGenerateUsage, "unexpected argument '" + split.operands.front() + "'");

  GenRequest rq;
  bool list = false, seedGiven = false;
  std::string code;
  for (const CliOption& o : split.options) {
    if (const std::string problem = readOption(o, rq, list, code); !problem.empty())
      return usageError(io, kGenerateUsage, problem);
    seedGiven = seedGiven || o.name == "--seed";
  }
  if (list) return printList(io);
  if (!code.empty()) {
    const auto parsed = ParseGenSheetCode(code);
    if (!parsed) return usageError(io, kGenerateUsage, "--code needs a sheet code such as 42-07");
    if (seedGiven) return usageError(io, kGenerateUsage, "--code and --seed exclude each other");
    rq.seed = parsed->first;
    rq.firstVariant = parsed->second;
  } else if (!seedGiven) {
    std::random_device device;
    rq.seed = (static_cast<uint64_t>(device()) << 32 | device()) % 1000000;
  }
  if (rq.patterns.empty() == (rq.grade == 0))
    return usageError(io, kGenerateUsage, "give either --pattern or --grade");
  if (out.empty()) return usageError(io, kGenerateUsage, "missing -o OUT.siki");
  if (!endsWithSiki(out)) return usageError(io, kGenerateUsage, "the output must end in .siki");

  const GenResult result = GenerateSheets(rq);
  if (!result.error.empty()) return usageError(io, kGenerateUsage, result.error);

  StreamSink sink(io.err);
  const bool several = result.sheets.size() > 1;
  for (const GenSheet& sheet : result.sheets) {
    NoteDoc doc;
    doc.HyoudaiStr = sheet.title;
    doc.replaceProblems(sheet.problems);
    NoteFiles files(doc, sink);
    const std::string path = sheetPath(out, sheet, several);
    if (files.NoteWriteFile(path) != 1) {
      sink.box(kNoteWarnCaption,
               std::string(kNoteWriteFailedText) + path + "\n" + files.lastWriteError(),
               BoxButtons::Ok, BoxIcon::Warning);
      return kFailed;
    }
    io.out << sheet.code << '\t' << path << '\n';
  }
  return kOk;
}

}  // namespace ravlo::cli
