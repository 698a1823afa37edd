// ravlo-cli speak: the Japanese reading of a line, printed, or spoken into a WAV file with the
// program's own voice at the settings' rate and volume. Nothing is played, so no sound
// device is needed.
#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "app/model/calc_settings.h"
#include "app/model/settings_file.h"
#include "app/model/siki_reading.h"
#include "app/model/siki_speaker.h"
#include "app/model/speakable_kana.h"
#include "app/voice/espeak_voice.h"
#include "app/voice/wav_file.h"
#include "cli/commands.h"
#include "core/stream_sink.h"
#include "core/text_helpers.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kSpeakUsage =
    "speak [--rate N] [--volume N] [--ini FILE] EXPR -o OUT.wav | speak --text EXPR|-";

// The characters a line of the calculator may hold, the notebook's question mark "Q" and
// pause "_" included.
constexpr std::string_view kLineCharacters = "0123456789bk.@upm+-*/^!PC()[]KBxyz<>:=&RQ_";
// What the solver may write after "&".
constexpr std::array<std::string_view, 7> kAnswerWords{"＝", "＜", "≦", "＞", "≧", "(不定)",
                                                       "(不能)"};

// Why text cannot be read aloud, or "" when it can.
std::string unreadableReason(std::string_view text) {
  if (text.empty()) return "an empty line has no reading";
  const std::size_t answer = text.find('&');
  for (std::size_t i = 0; i < text.size();) {
    if (kLineCharacters.find(text[i]) != std::string_view::npos) {
      ++i;
      continue;
    }
    if (answer != std::string_view::npos && i > answer) {
      const auto* word = std::find_if(kAnswerWords.begin(), kAnswerWords.end(),
                                      [&](std::string_view w) { return text.substr(i, w.size()) == w; });
      if (word != kAnswerWords.end()) {
        i += word->size();
        continue;
      }
    }
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::string shown = std::isprint(c) ? "'" + std::string(1, text[i]) + "'" : "a character";
    return shown + " at position " + std::to_string(i + 1) + " is not part of an expression";
  }
  return {};
}

// A voice that is only ever written to files.
class NoPlayback final : public AudioOutput {
 public:
  bool play(const PcmBuffer&) override { return false; }
};

bool endsWithWav(std::string_view s) {
  constexpr std::string_view suffix = ".wav";
  if (s.size() <= suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), s.end() - static_cast<long>(suffix.size()),
                    [](char want, char got) { return std::tolower(static_cast<unsigned char>(got)) == want; });
}

}  // namespace

int runSpeak(const Args& args, CliIo& io) {
  std::optional<int> rate, volume;
  std::optional<std::string> iniFile, expr, out;
  bool textOnly = false;

  const SplitArgs split = splitArgs(args, {"--text"});
  if (!split.problem.empty()) return usageError(io, kSpeakUsage, split.problem);
  for (const CliOption& option : split.options) {
    if (option.name == "--text") {
      textOnly = true;
    } else if (option.name == "--ini") {
      iniFile = option.value;
    } else if (option.name == "--rate" || option.name == "--volume") {
      const bool isRate = option.name == "--rate";
      const int lo = isRate ? 1 : 0;
      const int hi = isRate ? 10 : 100;
      int v = 0;
      if (!parseIntOption(option.value, lo, hi, v)) {
        return usageError(io, kSpeakUsage,
                          option.name + " needs a whole number from " + std::to_string(lo) +
                              " to " + std::to_string(hi));
      }
      (isRate ? rate : volume) = v;
    } else {
      return usageError(io, kSpeakUsage, "unknown option '" + option.name + "'");
    }
  }
  for (std::size_t i = 0; i < split.operands.size(); ++i) {
    const std::string& a = split.operands[i];
    if (a == "-o") {
      if (i + 1 == split.operands.size()) return usageError(io, kSpeakUsage, "-o needs a value");
      out = split.operands[++i];
    } else if (expr) {
      return usageError(io, kSpeakUsage, "only one EXPR is allowed");
    } else {
      expr = a;
    }
  }
  if (!expr) return usageError(io, kSpeakUsage, "missing EXPR");
  if (textOnly && out) return usageError(io, kSpeakUsage, "--text prints the reading; leave out -o");
  if (!textOnly) {
    if (!out) return usageError(io, kSpeakUsage, "missing -o OUT.wav");
    if (*expr == "-") {
      return usageError(io, kSpeakUsage, "- reads lines for --text only; speak one EXPR into a file");
    }
    if (!endsWithWav(*out)) return usageError(io, kSpeakUsage, "the output must end in .wav");
  }

  StreamSink sink(io.err);
  CalcSettings settings;
  if (iniFile) {
    const SettingsLoadReport report = SettingsLoad(settings, *iniFile, sink);
    if (report.state != SettingsFileState::Read) {
      return usageError(io, kSpeakUsage, "cannot read the settings file '" + *iniFile + "'");
    }
  }
  if (rate) settings.HAYASA = *rate;
  if (volume) settings.OOKISA = *volume;

  if (textOnly && *expr == "-") {
    forEachInputLine(io.in, [&](const std::string& line) {
      const std::string why = unreadableReason(line);
      if (!why.empty()) io.err << "ravlo-cli: " << why << '\n';
      io.out << (why.empty() ? SikiSpeakText(line, true) : std::string(kFailText)) << '\n';
    });
    io.out.flush();
    return io.in.bad() ? kFailed : kOk;
  }

  if (const std::string why = unreadableReason(*expr); !why.empty()) {
    io.err << "ravlo-cli: " << why << '\n';
    return kFailed;
  }
  const std::string reading = SikiSpeakText(*expr, true);
  if (textOnly) {
    io.out << reading << '\n';
    return kOk;
  }

  NoPlayback noPlayback;
  EspeakVoice voice(noPlayback);
  voice.setRate(speechRate(settings.HAYASA));
  voice.setVolume(std::clamp(settings.OOKISA, 0, 100));
  const std::optional<PcmBuffer> pcm = voice.synthesize(SpeakableKana(reading));
  if (!pcm) {
    io.err << "ravlo-cli: the speech engine (espeak-ng) cannot be started\n";
    return kFailed;
  }
  if (!writeWav(*out, *pcm)) {
    io.err << "ravlo-cli: cannot write " << *out << '\n';
    return kFailed;
  }
  return kOk;
}

}  // namespace ravlo::cli
