#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {

TEST(CliUsage, UnknownCommandOrNoneIsAUsageError) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"frobnicate"}, {"--x"}}) {
    CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("usage: ravlo-cli"), std::string::npos) << r.err;
  }
}

}  // namespace ravlo::test
