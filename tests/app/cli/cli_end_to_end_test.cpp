// weiyuanchuang-cli run as a user runs it: files, pipes, encodings, errors and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "core/line_list.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class CliEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("wyc-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path write(const std::string& name, const std::string& bytes) const {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Runs the program through the shell: `redirect` says where standard input comes from.
  CliRun run(const std::string& args, const std::string& redirect = "< /dev/null",
             const std::string& out = "") const {
    const fs::path outPath = out.empty() ? dir_ / "stdout" : fs::path(out);
    const fs::path errPath = dir_ / "stderr";
    const std::string command = "'" WYC_CLI_PATH "' " + args + " " + redirect + " > '" +
                                outPath.string() + "' 2> '" + errPath.string() + "'";
    const int raw = std::system(command.c_str());
    CliRun result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (out.empty()) result.out = slurp(outPath);
    result.err = slurp(errPath);
    return result;
  }

  CliRun rewrite(const std::string& input, const std::string& args = "--seed 1") const {
    return run(args + " '" + write("input", input).string() + "'");
  }

  fs::path dir_;
};

std::map<std::string_view, int> LineCounts(std::string_view text, std::string_view separator) {
  std::map<std::string_view, int> counts;
  for (const auto line : wyc::SplitLines(text, separator)) ++counts[line];
  return counts;
}

TEST_F(CliEndToEnd, KeepsTheInputsLineBreakConvention) {
  struct Row {
    std::string input;
    std::string lineBreak;
    std::vector<std::string> lines;  // the non-empty lines, in any order
  };
  const Row rows[] = {
      {"a\r\n\r\nb\r\n\r\n\r\nc", "\r\n", {"a", "b", "c"}},
      {"a\n\nb\n\n\nc\n", "\n", {"a", "b", "c"}},
      // The first line break decides: later CR LF in LF text leaves the CR in its line.
      {"a\nb\r\nc\n", "\n", {"a", "b\r", "c"}},
      {"a\r\nb\nc\r\n", "\r\n", {"a", "b\nc"}},
      {"single line", "\n", {"single line"}},
      {"  \r\n\t\r\n", "\r\n", {"  ", "\t"}},
  };
  for (const auto& row : rows) {
    const CliRun result = rewrite(row.input);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    ASSERT_TRUE(result.out.ends_with(row.lineBreak)) << ::testing::PrintToString(result.out);
    const std::string body = result.out.substr(0, result.out.size() - row.lineBreak.size());
    std::map<std::string_view, int> expected;
    for (const auto& line : row.lines) ++expected[line];
    EXPECT_EQ(LineCounts(body, row.lineBreak + row.lineBreak), expected)
        << ::testing::PrintToString(result.out);
  }
}

TEST_F(CliEndToEnd, NoNonEmptyLineWritesNothing) {
  for (const std::string& input : {""s, "\n"s, "\r\n\r\n"s, "\n\n\n"s, "\xEF\xBB\xBF\n"s}) {
    const CliRun result = rewrite(input);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "") << ::testing::PrintToString(input);
    EXPECT_EQ(result.err, "");
  }
}

TEST_F(CliEndToEnd, BytesPassThroughUntouched) {
  // GBK, a stray continuation byte and a NUL are lines like any other.
  const std::string lines[] = {"\xD6\xD0\xCE\xC4"s, "\x80\xFF\xFE"s, "a\0b"s};
  const CliRun result = rewrite(lines[0] + "\n\n" + lines[1] + "\n" + lines[2] + "\n");
  ASSERT_EQ(result.status, 0) << result.err;
  std::map<std::string_view, int> expected;
  for (const auto& line : lines) ++expected[line];
  EXPECT_EQ(LineCounts(std::string_view(result.out).substr(0, result.out.size() - 1), "\n\n"),
            expected);
}

TEST_F(CliEndToEnd, Utf8ByteOrderMarkStaysFirst) {
  const CliRun result = rewrite("\xEF\xBB\xBFone\ntwo\nthree\nfour\n");
  ASSERT_EQ(result.status, 0) << result.err;
  ASSERT_TRUE(result.out.starts_with("\xEF\xBB\xBF"));
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\xEF'), 1);
  EXPECT_EQ(result.out.size(), 3 + std::string("one\n\ntwo\n\nthree\n\nfour\n").size());
}

TEST_F(CliEndToEnd, Utf16IsRewrittenInItsOwnByteOrder) {
  const std::u16string text = u"朔屿\r\n\r\n伪原创\r\n工具\r\n";
  for (const bool bigEndian : {false, true}) {
    auto encode = [bigEndian](std::u16string_view units) {
      std::string bytes;
      for (const char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
      }
      return bytes;
    };
    const std::string bom = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    const CliRun result = rewrite(bom + encode(text));
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_TRUE(result.out.starts_with(bom));
    // Three lines in some order, a blank line between them, a final line break.
    bool matched = false;
    const std::u16string_view lines[] = {u"朔屿", u"伪原创", u"工具"};
    std::array<int, 3> order{0, 1, 2};
    do {
      const std::u16string expected = std::u16string(lines[order[0]]) + u"\r\n\r\n" +
                                      std::u16string(lines[order[1]]) + u"\r\n\r\n" +
                                      std::u16string(lines[order[2]]) + u"\r\n";
      matched = matched || result.out == bom + encode(expected);
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_TRUE(matched) << ::testing::PrintToString(result.out);
  }
}

TEST_F(CliEndToEnd, SameSeedSameOutputFromFileStandardInputAndPipe) {
  std::string article;
  for (int i = 0; i < 200000; ++i) article += "line " + std::to_string(i) + (i % 5 ? "\n" : "\n\n");
  const fs::path input = write("article", article);
  const CliRun fromFile = run("--seed 42 '" + input.string() + "'");
  const CliRun fromStdin = run("--seed 42 -", "< '" + input.string() + "'");
  const CliRun fromPipe =
      run("--seed=42", "< /dev/null; cat '" + input.string() + "' | '" WYC_CLI_PATH "' --seed 42");
  ASSERT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(fromStdin.out, fromFile.out);
  EXPECT_EQ(fromPipe.out, fromFile.out);
  EXPECT_EQ(run("--seed 42 '" + input.string() + "'").out, fromFile.out);
  EXPECT_NE(run("--seed 43 '" + input.string() + "'").out, fromFile.out);
  // 40,000 empty lines dropped; each of the 200,000 lines' LF becomes two, less one at the end.
  EXPECT_EQ(fromFile.out.size(), article.size() - 40000 + 200000 - 1);
}

TEST_F(CliEndToEnd, FailuresExplainThemselvesAndWriteNothing) {
  const fs::path article = write("article", "a\nb\n");
  struct Row {
    std::string args;
    int status;
    std::string cause;
  };
  const Row rows[] = {
      {"'" + (dir_ / "missing.txt").string() + "'", 1, "No such file or directory"},
      {"'" + dir_.string() + "'", 1, "Is a directory"},
      {"--bogus", 2, "unknown option '--bogus'"},
      {"--seed -3 '" + article.string() + "'", 2, "invalid seed '-3'"},
      {"--seed", 2, "needs a value"},
      {"'" + article.string() + "' '" + article.string() + "'", 2, "too many arguments"},
      {"'" + write("odd", "\xFF\xFEx\0y"s).string() + "'", 1, "half a character"},
  };
  for (const auto& row : rows) {
    const CliRun result = run(row.args);
    EXPECT_EQ(result.status, row.status) << row.args;
    EXPECT_EQ(result.out, "") << row.args;
    EXPECT_TRUE(result.err.starts_with("weiyuanchuang-cli: ")) << result.err;
    EXPECT_NE(result.err.find(row.cause), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

TEST_F(CliEndToEnd, FailedWriteIsNotReportedAsSuccess) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  for (const std::string& args : {"--seed 1"s, "--help"s, "--version"s}) {
    const CliRun result = run(args, "< '" + write("article", "a\nb\n").string() + "'", "/dev/full");
    EXPECT_EQ(result.status, 1) << args;
    EXPECT_NE(result.err.find("No space left on device"), std::string::npos) << result.err;
  }
}

TEST_F(CliEndToEnd, HelpAndVersion) {
  const CliRun help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: weiyuanchuang-cli [--seed N] [FILE]")) << help.out;
  const CliRun version = run("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "weiyuanchuang-cli 1.0.0\n");
}

}  // namespace
