// The .siki reader: whatever it reads, saving the notebook and reading that again gives
// the same notebook, and saving that gives the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "notebook/model/siki_file.h"

namespace {

std::string joined(const std::vector<std::string>& list) {
  std::string all;
  for (const std::string& p : list) all += "[" + p + "]";
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  using namespace ravlo;
  using namespace ravlo::fuzz;
  const std::string_view bytes = asText(data, size);
  const SikiFileDecode first = decodeSikiFile(bytes);
  if (first.status != SikiFileStatus::Ok) return 0;
  const SikiFileContent& read = first.content;
  const SikiFileBytes file = sikiFileBytes(read.title, read.problems, read.encoding);
  const SikiFileDecode second = decodeSikiFile(file.bytes);
  require(second.status == SikiFileStatus::Ok, "the saved notebook does not read", bytes,
          file.bytes);
  // Plain ASCII reads as the code page whatever it was saved as.
  const bool ascii = std::all_of(file.bytes.begin(), file.bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  require(ascii || second.content.encoding == file.encoding, "the saved form reads as another",
          bytes, file.bytes);
  require(second.content.title == read.title, "the title changed", bytes, second.content.title);
  // A line of blanks is an empty problem, saved as an empty line, which reading skips.
  std::vector<std::string> kept = read.problems;
  std::erase(kept, "");
  require(second.content.problems == kept, "the problems changed", bytes,
          joined(kept) + " -> " + joined(second.content.problems));
  if (kept.size() == read.problems.size())
    require(second.content.errorCount == read.errorCount, "the refused count changed", bytes);
  const SikiFileBytes again =
      sikiFileBytes(second.content.title, second.content.problems, second.content.encoding);
  const SikiFileBytes expected = sikiFileBytes(read.title, kept, read.encoding);
  require(again.bytes == expected.bytes, "saving the saved notebook changes its bytes", bytes,
          again.bytes);
  return 0;
}
