#pragma once
// The arguments the notebook subcommands share: "[--worksheet [--columns 1|2] [--solutions]]
// [--ini FILE] IN [-o OUT]".
#include <optional>
#include <string>
#include <string_view>

#include "app/model/calc_settings.h"
#include "cli/cli_io.h"
#include "core/message_sink.h"

namespace ravlo::cli {

inline constexpr std::string_view kNotebookUsage =
    "notebook compute [--ini FILE] IN.siki [-o OUT.siki] | "
    "notebook print [--worksheet [--columns 1|2] [--solutions]] [--ini FILE] IN.siki -o OUT.pdf";

struct NotebookArgs {
  std::string in, out, ini;
  bool worksheet = false;
  int columns = 1;         // the worksheet's problem columns
  bool solutions = false;  // worked solutions in the worksheet's answer key
};

// Reads the arguments in any order; an empty string when fine, else what is wrong.
std::string readNotebookArgs(const Args& args, bool allowWorksheet, NotebookArgs& a);

// Loads --ini when given; false when the file cannot be read.
bool loadNotebookSettings(const NotebookArgs& a, CalcSettings& settings, MessageSink& sink);

// The settings of --ini; the usage exit code, with its message, when they cannot be read.
std::optional<int> notebookSettingsOrUsage(const NotebookArgs& a, CalcSettings& settings,
                                           MessageSink& sink, CliIo& io);

}  // namespace ravlo::cli
