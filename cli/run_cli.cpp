// The command line's flow: arguments, input, rewrite, output.
#include "cli/run_cli.h"

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <variant>

#include "build_config.h"
#include "cli/cli_options.h"
#include "cli/input_reader.h"
#include "cli/line_break.h"
#include "cli/output_writer.h"
#include "cli/text_encoding.h"
#include "core/random_source.h"
#include "core/rewrite.h"
#include "core/time_of_day.h"

namespace wyc::cli {
namespace {

int Fail(const CliStreams& streams, int status, const std::string& cause) {
  std::fprintf(streams.err, "%s: %s\n", kProgramName.data(), cause.c_str());
  return status;
}

std::string ErrnoText(int error) { return std::generic_category().message(error); }

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string Describe(const std::string& input) {
  return input == "-" ? std::string("standard input") : "'" + input + "'";
}

// Writes the byte order mark and the rewrite of `text`, each line break doubled between lines
// and one at the end; writes nothing when the text has no non-empty line.
template <class CharT, class Put>
void WriteRewrite(std::basic_string_view<CharT> text, std::string_view byteOrderMark,
                  RandomSource& random, OutputWriter& writer, Put put) {
  const ArticleView<CharT> lineBreak = DetectLineBreak(text);
  const LineList<CharT> lines = ShuffledNonEmptyLines(text, lineBreak, random);
  if (lines.empty()) return;
  writer.write(byteOrderMark);
  const ArticleText<CharT> separator = ArticleText<CharT>(lineBreak) + ArticleText<CharT>(lineBreak);
  ForEachJoinedPiece<CharT>(lines, separator, put);
  put(lineBreak);
}

}  // namespace

int RunCli(std::span<const std::string_view> args, const CliStreams& streams) {
  const auto parsed = ParseCommandLine(args);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    return Fail(streams, kExitUsage, error->message + " (try --help)");
  }
  const auto& options = std::get<CliOptions>(parsed);
  if (options.action != CliAction::Rewrite) {
    const std::string text = options.action == CliAction::ShowHelp
                                 ? UsageText()
                                 : std::string(kProgramName) + " " + WYC_VERSION_STRING + "\n";
    OutputWriter writer(streams.out);
    writer.write(text);
    if (const int error = writer.finish(); error != 0) {
      return Fail(streams, kExitFailure, "cannot write: " + ErrnoText(error));
    }
    return kExitSuccess;
  }

  InputBytes input;
  {
    FileHandle opened;
    std::FILE* source = streams.in;
    if (options.input != "-") {
      opened.reset(std::fopen(options.input.c_str(), "rb"));
      if (!opened) {
        return Fail(streams, kExitFailure,
                    "cannot open " + Describe(options.input) + ": " + ErrnoText(errno));
      }
      source = opened.get();
    }
    if (const int error = input.readAll(source); error != 0) {
      return Fail(streams, kExitFailure,
                  "cannot read " + Describe(options.input) + ": " + ErrnoText(error));
    }
  }

  const EncodedText encoded = DetectEncoding(input.view());
  if (IsUtf16(encoded.encoding) && encoded.body.size() % 2 != 0) {
    return Fail(streams, kExitFailure,
                Describe(options.input) +
                    " starts with a UTF-16 byte order mark but ends in half a character");
  }

  RandomSource& random = ProcessRandomSource();
  random.reseed(options.seed ? *options.seed : SeedFromTimeOfDay(SecondsSinceMidnight()));

  OutputWriter writer(streams.out);
  const std::string_view mark = ByteOrderMark(encoded.encoding);
  if (IsUtf16(encoded.encoding)) {
    const bool bigEndian = encoded.encoding == TextEncoding::Utf16Be;
    const std::u16string text = DecodeUtf16(encoded.body, encoded.encoding);
    WriteRewrite<char16_t>(text, mark, random, writer,
                           [&](std::u16string_view piece) { writer.write(piece, bigEndian); });
  } else {
    WriteRewrite<char>(encoded.body, mark, random, writer,
                       [&](std::string_view piece) { writer.write(piece); });
  }
  if (const int error = writer.finish(); error != 0) {
    return Fail(streams, kExitFailure, "cannot write the result: " + ErrnoText(error));
  }
  return kExitSuccess;
}

}  // namespace wyc::cli
