// The .siki reader: whatever it reads, writing the notebook and reading that again gives
// the same notebook.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/cp932.h"
#include "fuzz/fuzz_support.h"
#include "notebook/model/siki_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  using namespace ravlo;
  using namespace ravlo::fuzz;
  const std::string_view bytes = asText(data, size);
  const SikiFileDecode first = decodeSikiFile(bytes);
  if (first.status != SikiFileStatus::Ok) return 0;
  // Known and left to the reader's owner: a CR inside a line is read as part of the problem
  // and written back as a blank. Such files are skipped so the run can look further.
  auto hasCr = [](const std::string& t) { return t.find('\r') != std::string::npos; };
  if (hasCr(first.content.title)) return 0;
  // Likewise a line of nothing but control characters is read as an empty problem, which
  // is written as an empty line and then skipped.
  for (const std::string& p : first.content.problems)
    if (hasCr(p) || p.empty()) return 0;
  const TextConversion written = encodeSikiFile(first.content.title, first.content.problems);
  // Known too: a code-page file whose written form happens to be valid UTF-8 is read back as
  // UTF-8 (the reader decides by the bytes alone).
  const bool readAsCodePage = !isValidUtf8(bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
  const bool nonAscii = std::any_of(written.text.begin(), written.text.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (readAsCodePage && nonAscii && isValidUtf8(written.text)) return 0;
  // What was read came from a code-page or UTF-8 file; all of it has a code-page form.
  require(written.lossless, "a read notebook cannot be written without loss", bytes);
  const SikiFileDecode second = decodeSikiFile(written.text);
  require(second.status == SikiFileStatus::Ok, "the written notebook does not read", bytes,
          written.text);
  require(second.content.title == first.content.title, "the title changed", bytes,
          second.content.title);
  auto joined = [](const std::vector<std::string>& list) {
    std::string all;
    for (const std::string& p : list) all += "[" + p + "]";
    return all;
  };
  require(second.content.problems == first.content.problems, "the problems changed", bytes,
          joined(first.content.problems) + " -> " + joined(second.content.problems));
  require(second.content.errorCount == first.content.errorCount, "the refused count changed",
          bytes);
  return 0;
}
