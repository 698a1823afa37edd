#include "tests/cli/cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace ravlo::test {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

}  // namespace

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
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
    std::string prog = RAVLO_CLI_PATH;
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

}  // namespace ravlo::test
