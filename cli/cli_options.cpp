// Parsing weiyuanchuang-cli's arguments: options first or anywhere, "--" ends them.
#include "cli/cli_options.h"

#include <charconv>

#include "cli/quote.h"

namespace wyc::cli {
namespace {

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  std::uint64_t value = 0;
  // from_chars alone would accept a leading minus sign for no type here, but it stops at the
  // first non-digit: demand that it consumed everything.
  const auto* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

UsageError BadSeed(std::string_view text) {
  return {"invalid seed " + QuoteForMessage(text) +
          ": expected a whole number from 0 to 18446744073709551615"};
}

}  // namespace

std::variant<CliOptions, UsageError> ParseCommandLine(std::span<const std::string_view> args) {
  CliOptions options;
  bool haveInput = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool isOption = !optionsEnded && arg.size() > 1 && arg.front() == '-';
    if (!isOption) {
      if (haveInput) return UsageError{"too many arguments: only one FILE is read"};
      options.input = std::string(arg);
      haveInput = true;
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      options.action = CliAction::ShowHelp;
    } else if (arg == "--version") {
      options.action = CliAction::ShowVersion;
    } else if (arg == "--seed") {
      if (i + 1 == args.size()) return UsageError{"option '--seed' needs a value"};
      const std::string_view value = args[++i];
      options.seed = ParseSeed(value);
      if (!options.seed) return BadSeed(value);
    } else if (arg.starts_with("--seed=")) {
      const std::string_view value = arg.substr(7);
      options.seed = ParseSeed(value);
      if (!options.seed) return BadSeed(value);
    } else {
      return UsageError{"unknown option " + QuoteForMessage(arg)};
    }
  }
  return options;
}

std::string UsageText() {
  return std::string("Usage: ") + std::string(kProgramName) +
         " [--seed N] [FILE]\n"
         "Rewrites an article: drops its empty lines, shuffles the others and writes them\n"
         "with a blank line between lines to standard output.\n"
         "\n"
         "Reads FILE, or standard input when FILE is absent or '-'. The first line break\n"
         "decides the convention (CR LF or LF). Bytes pass through unchanged; a UTF-8 byte\n"
         "order mark is kept, and UTF-16 or UTF-32 text with a byte order mark is written\n"
         "back in the same encoding and byte order.\n"
         "\n"
         "  --seed N     seed the shuffle with N (0 to 18446744073709551615), so that the\n"
         "               same input always gives the same output; without it the seed is\n"
         "               the time of day\n"
         "  --help       show this help and exit\n"
         "  --version    show the version and exit\n";
}

}  // namespace wyc::cli
