#include "tests/cli/cli_runner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace ravlo::test {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

CliResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input) {
  char dir[] = "/tmp/ravlo-cli-test-XXXXXX";
  CliResult r;
  if (!mkdtemp(dir)) return r;
  const std::string base(dir);
  const std::string inPath = base + "/in", outPath = base + "/out", errPath = base + "/err";
  { std::ofstream(inPath, std::ios::binary) << input; }

  pid_t pid = fork();
  if (pid == 0) {
    int in = open(inPath.c_str(), O_RDONLY);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> argv;
    std::string prog = program;
    argv.push_back(prog.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(prog.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = slurp(outPath);
  r.err = slurp(errPath);
  std::remove(inPath.c_str());
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  rmdir(dir);
  return r;
}

// ---- Twin runs: with RAVLO_CLI_TWIN naming a second ravlo-cli (the web edition), every run
// of a shared command is made by both from the same files, and they must answer alike. ----

bool desktopOnly(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  if (args[0] == "render" || args[0] == "speak") return true;
  return args[0] == "notebook" && args.size() > 1 && args[1] == "print";
}

// The files a run may read or write: every argument naming a file, and every -o target.
using Files = std::map<std::string, std::optional<std::string>>;

std::optional<std::string> contentOf(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  return slurp(path);
}

Files now(Files files) {
  for (auto& [path, content] : files) content = contentOf(path);
  return files;
}

Files filesOf(const std::vector<std::string>& args) {
  Files files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    struct stat st {};
    const bool output = i > 0 && args[i - 1] == "-o";
    if (output || (stat(args[i].c_str(), &st) == 0 && S_ISREG(st.st_mode)))
      files[args[i]] = std::nullopt;
  }
  return now(files);
}

void restore(const Files& files) {
  for (const auto& [path, content] : files) {
    if (content)
      std::ofstream(path, std::ios::binary | std::ios::trunc) << *content;
    else
      std::remove(path.c_str());
  }
}

struct TwinTally {
  int runs = 0;
  int same = 0;
  ~TwinTally() {
    if (runs > 0) std::printf("web parity of the CLI tests: %d of %d identical\n", same, runs);
  }
};

TwinTally& tally() {
  static TwinTally t;
  return t;
}

std::string describe(const CliResult& r, const Files& after) {
  std::string s = "exit " + std::to_string(r.exitCode) + "\n--- out\n" + r.out + "--- err\n" + r.err;
  for (const auto& [path, content] : after)
    s += "--- " + path + ": " + (content ? std::to_string(content->size()) + " bytes" : "absent") + "\n";
  return s;
}

}  // namespace

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
  const char* twin = std::getenv("RAVLO_CLI_TWIN");
  if (!twin || !*twin || desktopOnly(args)) return runProgram(RAVLO_CLI_PATH, args, input);

  const Files before = filesOf(args);
  const CliResult mine = runProgram(RAVLO_CLI_PATH, args, input);
  const Files afterMine = now(before);
  restore(before);
  const CliResult theirs = runProgram(twin, args, input);
  const Files afterTheirs = now(before);
  restore(afterMine);

  ++tally().runs;
  const bool same = mine.exitCode == theirs.exitCode && mine.out == theirs.out &&
                    mine.err == theirs.err && afterMine == afterTheirs;
  if (same) {
    ++tally().same;
  } else {
    std::string command;
    for (const auto& a : args) command += a + " ";
    ADD_FAILURE() << "the twin answers otherwise: " << command << "\n=== desktop\n"
                  << describe(mine, afterMine) << "=== twin\n" << describe(theirs, afterTheirs);
  }
  return mine;
}

}  // namespace ravlo::test
