// The settings-file reader: whatever it reads, saving the settings and loading them again
// gives the same settings, with nothing left to mend.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/model/calc_settings.h"
#include "app/model/ini_document.h"
#include "fuzz/fuzz_support.h"

namespace ravlo::fuzz {
namespace {

// The bytes the program writes for these settings into the document read at load time.
TextConversion saved(const CalcSettings& settings) {
  IniDocument document = settings.document;
  writeSettings(settings, document);
  return document.toCp932();
}

// Every setting on its own, without what the file held besides.
std::string settingsOnly(const CalcSettings& settings) {
  IniDocument fresh;
  writeSettings(settings, fresh);
  return fresh.text();
}

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  using namespace ravlo;
  using namespace ravlo::fuzz;
  const std::string_view bytes = asText(data, size);
  CalcSettings first;
  readSettings(IniDocument::fromFileBytes(bytes), first);
  const TextConversion file = saved(first);
  // A character without a code-page form is lost, and the save says so.
  if (!file.lossless) return 0;
  CalcSettings second;
  const auto issues = readSettings(IniDocument::fromFileBytes(file.text), second);
  require(issues.empty(), "a saved setting needs mending when loaded", bytes,
          issues.empty() ? "" : issues.front().section + issues.front().key + "=" + issues.front().value);
  require(settingsOnly(second) == settingsOnly(first), "the settings changed", bytes,
          settingsOnly(second));
  require(saved(second).text == file.text, "saving again changes the file", bytes, file.text);
  return 0;
}
