// The web edition against the desktop: one batch of 20 000 questions through `calc -` of both
// command-line programs in the same run, and the size of what a browser downloads.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// School questions of every kind the calculator answers, with numbers varied by a fixed
// sequence so both programs get the same batch on every run.
std::string batchOfQuestions(int count) {
  const std::vector<std::string> shapes = {
      "#b#+#b#",  "#k#b#-#b#", "#b#*#b#/#b#", "(#b#+#b#)*#", "0.#+#b#", "#x+#=#",
      "#:#",      "#x-#<#",    "$^3+#b#",     "[(#+#)B(#+#)]+#b#", "$!/#", "0.#@#*#"};
  std::uint32_t state = 12345;
  auto next = [&] {
    state = state * 1664525u + 1013904223u;
    return 2 + (state >> 16) % 47;
  };
  std::string text;
  for (int i = 0; i < count; ++i) {
    for (char c : shapes[static_cast<std::size_t>(i) % shapes.size()]) {
      if (c == '#')
        text += std::to_string(next());
      else if (c == '$')  // small enough for a power or a factorial to stay in 64 bits
        text += std::to_string(next() % 11 + 2);
      else
        text += c;
    }
    text += '\n';
  }
  return text;
}

struct BatchTime {
  double wall = -1;  // seconds; -1 when the run failed
  double cpu = 0;    // user + system seconds of the process and its threads
};

// One run of the program with the file on standard input. The processor time is the steadier
// figure on a busy machine; Node's compiler threads count in it too.
BatchTime runBatch(const std::string& program, const std::string& input) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (!std::freopen(input.c_str(), "r", stdin) || !std::freopen("/dev/null", "w", stdout) ||
        !std::freopen("/dev/null", "w", stderr))
      _exit(127);
    execl(program.c_str(), program.c_str(), "calc", "--anssyu", "2", "--syoudsp", "1", "-",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return {wall, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

bool exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

double fileBytes(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? static_cast<double>(st.st_size) : 0;
}

double gzipBytes(const std::string& path) {
  const std::string command = "gzip -9c '" + path + "' | wc -c";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return 0;
  double bytes = 0;
  if (std::fscanf(pipe, "%lf", &bytes) != 1) bytes = 0;
  pclose(pipe);
  return bytes;
}

void BM_CalcBatch20000_WebVsDesktop(benchmark::State& state) {
  const std::string web = std::string(RAVLO_WEB_DIR) + "/ravlo-cli";
  if (!exists(web)) {
    state.SkipWithError("no web edition: run make web first");
    return;
  }
  const std::string input = "/tmp/ravlo-bench-batch.txt";
  std::ofstream(input) << batchOfQuestions(20000);
  BatchTime desktop{0, 0}, wasm{0, 0};
  for (auto _ : state) {
    const BatchTime d = runBatch(RAVLO_CLI_PATH, input);
    const BatchTime w = runBatch(web, input);
    if (d.wall < 0 || w.wall < 0) {
      state.SkipWithError("a batch failed");
      break;
    }
    desktop = {desktop.wall + d.wall, desktop.cpu + d.cpu};
    wasm = {wasm.wall + w.wall, wasm.cpu + w.cpu};
    state.SetIterationTime(d.wall + w.wall);
  }
  std::remove(input.c_str());
  const double n = static_cast<double>(state.iterations());
  state.counters["desktop_s"] = desktop.wall / n;
  state.counters["wasm_s"] = wasm.wall / n;
  state.counters["wasm_per_desktop"] = desktop.wall > 0 ? wasm.wall / desktop.wall : 0;
  state.counters["desktop_cpu_s"] = desktop.cpu / n;
  state.counters["wasm_cpu_s"] = wasm.cpu / n;
  state.counters["cpu_wasm_per_desktop"] = desktop.cpu > 0 ? wasm.cpu / desktop.cpu : 0;
}
BENCHMARK(BM_CalcBatch20000_WebVsDesktop)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// What the page loads: the engine module and its JavaScript, raw and compressed.
void BM_WebDownloadSize(benchmark::State& state) {
  const std::string dir = RAVLO_WEB_DIR;
  for (auto _ : state) benchmark::DoNotOptimize(dir);
  for (const std::string name : {"ravlo-engine.wasm", "ravlo-engine.mjs", "ravlo-cli-engine.wasm"}) {
    const std::string path = dir + "/" + name;
    if (!exists(path)) continue;
    state.counters[name + "_KB"] = fileBytes(path) / 1024;
    state.counters[name + "_gzip_KB"] = gzipBytes(path) / 1024;
  }
}
BENCHMARK(BM_WebDownloadSize)->Iterations(1);

}  // namespace
