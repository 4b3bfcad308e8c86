// The command line's arguments: what is accepted and what is refused with which message.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace wyc::cli {
namespace {

std::variant<CliOptions, UsageError> Parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}

TEST(ParseCommandLine, AcceptsTheDocumentedForms) {
  struct Row {
    std::vector<std::string_view> args;
    CliAction action;
    std::optional<std::uint64_t> seed;
    std::string input;
  };
  const Row rows[] = {
      {{}, CliAction::Rewrite, std::nullopt, "-"},
      {{"article.txt"}, CliAction::Rewrite, std::nullopt, "article.txt"},
      {{"-"}, CliAction::Rewrite, std::nullopt, "-"},
      {{"--seed", "7", "a.txt"}, CliAction::Rewrite, 7, "a.txt"},
      {{"a.txt", "--seed=18446744073709551615"},
       CliAction::Rewrite,
       18446744073709551615ULL,
       "a.txt"},
      {{"--seed", "0"}, CliAction::Rewrite, 0, "-"},
      {{"--", "--seed"}, CliAction::Rewrite, std::nullopt, "--seed"},  // a file named --seed
      {{"--help"}, CliAction::ShowHelp, std::nullopt, "-"},
      {{"-h"}, CliAction::ShowHelp, std::nullopt, "-"},
      {{"--version"}, CliAction::ShowVersion, std::nullopt, "-"},
  };
  for (const auto& row : rows) {
    const auto parsed = Parse(row.args);
    ASSERT_TRUE(std::holds_alternative<CliOptions>(parsed)) << std::get<UsageError>(parsed).message;
    const auto& options = std::get<CliOptions>(parsed);
    EXPECT_EQ(options.action, row.action);
    EXPECT_EQ(options.seed, row.seed);
    EXPECT_EQ(options.input, row.input);
  }
}

TEST(ParseCommandLine, RefusesWithAMessageNamingTheCause) {
  struct Row {
    std::vector<std::string_view> args;
    std::string_view messageStart;
  };
  const Row rows[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-x"}, "unknown option '-x'"},
      {{"--seed"}, "option '--seed' needs a value"},
      {{"--seed", "-1"}, "invalid seed '-1'"},
      {{"--seed", "+1"}, "invalid seed '+1'"},
      {{"--seed", "18446744073709551616"}, "invalid seed '18446744073709551616'"},
      {{"--seed", "12abc"}, "invalid seed '12abc'"},
      {{"--seed", " 1"}, "invalid seed ' 1'"},
      {{"--seed="}, "invalid seed ''"},
      {{"a.txt", "b.txt"}, "too many arguments"},
  };
  for (const auto& row : rows) {
    const auto parsed = Parse(row.args);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << row.messageStart;
    EXPECT_TRUE(std::get<UsageError>(parsed).message.starts_with(row.messageStart))
        << std::get<UsageError>(parsed).message;
  }
}

}  // namespace
}  // namespace wyc::cli
