// weiyuanchuang-cli as a function of its arguments and streams, so the program's main stays a
// one-liner.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace wyc::cli {

struct CliStreams {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
};

// Exit statuses.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // unreadable input, failed write
inline constexpr int kExitUsage = 2;    // bad arguments

// `args` excludes the program name. On every failure one line goes to `err`, naming the
// program and the cause, and nothing is written to `out` before the input has been read whole.
int RunCli(std::span<const std::string_view> args, const CliStreams& streams);

}  // namespace wyc::cli
