// The command line of weiyuanchuang-cli: weiyuanchuang-cli [--seed N] [FILE]
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace wyc::cli {

inline constexpr std::string_view kProgramName = "weiyuanchuang-cli";

enum class CliAction { Rewrite, ShowHelp, ShowVersion };

struct CliOptions {
  CliAction action = CliAction::Rewrite;
  std::optional<std::uint64_t> seed;  // none: seeded from the time of day
  std::string input = "-";            // "-" is standard input
};

struct UsageError {
  std::string message;
};

// `args` excludes the program name.
std::variant<CliOptions, UsageError> ParseCommandLine(std::span<const std::string_view> args);

std::string UsageText();

}  // namespace wyc::cli
