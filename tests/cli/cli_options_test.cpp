// The command line's arguments: what is accepted, and what is refused with which message.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace wyc::cli {
namespace {

TEST(ParseCommandLine, AcceptsTheDocumentedFormsAndNamesTheCauseOfARefusal) {
  struct Row {
    std::vector<std::string_view> args;
    std::string_view result;  // action, seed and input; or the start of the refusal
  };
  const Row rows[] = {
      {{}, "rewrite - -"},
      {{"--seed", "7", "a.txt"}, "rewrite 7 a.txt"},
      {{"a.txt", "--seed=18446744073709551615"}, "rewrite 18446744073709551615 a.txt"},
      {{"--", "--seed"}, "rewrite - --seed"},  // a file named --seed
      {{"--help"}, "help - -"},
      {{"--version"}, "version - -"},
      {{"--seed"}, "option '--seed' needs a value"},
      {{"--seed", "-1"}, "invalid seed '-1'"},
      {{"--seed", "18446744073709551616"}, "invalid seed '18446744073709551616'"},
      {{"a.txt", "b.txt"}, "too many arguments"},
  };
  for (const auto& row : rows) {
    const auto parsed = ParseCommandLine(row.args);
    std::string result;
    if (const auto* options = std::get_if<CliOptions>(&parsed)) {
      const char* actions[] = {"rewrite", "help", "version"};
      result = std::string(actions[static_cast<int>(options->action)]) + " " +
               (options->seed ? std::to_string(*options->seed) : "-") + " " + options->input;
    } else {
      result = std::get<UsageError>(parsed).message.substr(0, row.result.size());
    }
    EXPECT_EQ(result, row.result);
  }
}

}  // namespace
}  // namespace wyc::cli
