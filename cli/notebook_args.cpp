#include "cli/notebook_args.h"

#include "app/model/settings_file.h"

namespace ravlo::cli {

std::string readNotebookArgs(const Args& args, bool allowWorksheet, NotebookArgs& a) {
  bool haveIn = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& s = args[i];
    if (s == "-o" || s == "--ini") {
      if (i + 1 == args.size()) return s + " needs a value";
      (s == "-o" ? a.out : a.ini) = args[++i];
      if ((s == "-o" ? a.out : a.ini).empty()) return s + " needs a value";
    } else if (s == "--worksheet" && allowWorksheet) {
      a.worksheet = true;
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
  return {};
}

bool loadNotebookSettings(const NotebookArgs& a, CalcSettings& settings, MessageSink& sink) {
  if (a.ini.empty()) return true;
  return SettingsLoad(settings, a.ini, sink).state == SettingsFileState::Read;
}

}  // namespace ravlo::cli
