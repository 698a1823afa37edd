// Runs a fuzz target over files without libFuzzer, in the ordinary build: the seed corpora
// are regression tests this way, and a grown corpus shows its slowest inputs at full speed.
// Usage: NAME_replay [--slowest N] FILE_OR_FOLDER...
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

struct Timed {
  double ms;
  std::string path;
};

double cpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A missing folder adds nothing: a corpus not grown yet.
void collect(const std::filesystem::path& from, std::vector<std::filesystem::path>& files) {
  std::error_code ec;
  if (std::filesystem::is_directory(from, ec)) {
    for (const auto& entry : std::filesystem::directory_iterator(from, ec))
      if (entry.is_regular_file(ec)) files.push_back(entry.path());
  } else if (std::filesystem::exists(from, ec)) {
    files.push_back(from);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t slowest = 0;
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--slowest" && i + 1 < argc) {
      slowest = std::strtoul(argv[++i], nullptr, 10);
    } else {
      collect(arg, files);
    }
  }
  std::sort(files.begin(), files.end());
  std::vector<Timed> times;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) continue;  // a live corpus: libFuzzer may have just replaced it
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const double start = cpuMs();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    times.push_back({cpuMs() - start, file.string()});
  }
  std::printf("%zu inputs\n", times.size());
  if (times.empty()) return 2;
  std::sort(times.begin(), times.end(), [](const Timed& a, const Timed& b) { return a.ms > b.ms; });
  for (std::size_t i = 0; i < std::min(slowest, times.size()); ++i) {
    std::ifstream in(times[i].path, std::ios::binary);
    std::string head(120, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    std::printf("%9.3f ms  %s\n", times[i].ms, ravlo::fuzz::escaped(head).c_str());
  }
  return 0;
}
