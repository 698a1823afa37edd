#include "cli/notebook_args.h"

#include "app/model/settings_file.h"

namespace ravlo::cli {

std::string readNotebookArgs(const Args& args, bool allowWorksheet, NotebookArgs& a) {
  bool haveIn = false;
  bool columnsGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& s = args[i];
    if (s == "-o" || s == "--ini") {
      if (i + 1 == args.size()) return s + " needs a value";
      (s == "-o" ? a.out : a.ini) = args[++i];
      if ((s == "-o" ? a.out : a.ini).empty()) return s + " needs a value";
    } else if (s == "--worksheet" && allowWorksheet) {
      a.worksheet = true;
    } else if (s == "--solutions" && allowWorksheet) {
      a.solutions = true;
    } else if (s == "--columns" && allowWorksheet) {
      if (i + 1 == args.size() || (args[i + 1] != "1" && args[i + 1] != "2"))
        return "--columns needs 1 or 2";
      a.columns = args[++i][0] - '0';
      columnsGiven = true;
    } else if (s.size() > 1 && s[0] == '-') {
      return "unknown option " + s;
    } else if (haveIn) {
      return "one notebook file only";
    } else {
      a.in = s;
      haveIn = true;
    }
  }
  if (!haveIn || a.in.empty()) return "missing IN.siki";
  if ((columnsGiven || a.solutions) && !a.worksheet) return "--columns and --solutions need --worksheet";
  return {};
}

bool loadNotebookSettings(const NotebookArgs& a, CalcSettings& settings, MessageSink& sink) {
  if (a.ini.empty()) return true;
  return SettingsLoad(settings, a.ini, sink).state == SettingsFileState::Read;
}

std::optional<int> notebookSettingsOrUsage(const NotebookArgs& a, CalcSettings& settings,
                                           MessageSink& sink, CliIo& io) {
  if (loadNotebookSettings(a, settings, sink)) return std::nullopt;
  return usageError(io, kNotebookUsage, "cannot read the settings file '" + a.ini + "'");
}

}  // namespace ravlo::cli
