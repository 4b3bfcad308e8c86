// weiyuanchuang-cli: rewrites an article from a file or standard input to standard output.
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/run_cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Bytes pass through untouched: no CR LF translation on the standard streams.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return wyc::cli::RunCli(args, {stdin, stdout, stderr});
}
