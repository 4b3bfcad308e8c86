// The command line's flow: arguments, input, rewrite, output.
#include "cli/run_cli.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <thread>
#include <variant>

#include "build_config.h"
#include "cli/block_pipeline.h"
#include "cli/cli_options.h"
#include "cli/input_reader.h"
#include "cli/line_break.h"
#include "cli/output_writer.h"
#include "cli/quote.h"
#include "cli/rewrite_output.h"
#include "cli/streamed_split.h"
#include "cli/text_encoding.h"
#include "core/line_shuffle.h"
#include "core/random_source.h"
#include "core/rewrite.h"
#include "core/time_of_day.h"

namespace wyc::cli {
namespace {

// Output is assembled in blocks of this size; a few of them are all the memory it takes.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

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
  return input == "-" ? std::string("standard input") : QuoteForMessage(input);
}

// Both cores where the machine has them; more rarely pays for memory-bound work.
std::size_t Threads() { return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4); }

// Writes the byte order mark and the shuffled `lines`, each followed by the line break twice
// and the last by one. Nothing when no line is left. Every allocation comes before the first
// byte is written.
template <class CharT>
void WriteLines(std::span<const ArticleView<CharT>> lines, ArticleView<CharT> lineBreak,
                TextEncoding encoding, OutputWriter& writer) {
  if (lines.empty()) return;
  const RewriteOutput<CharT> output(lines, lineBreak, kBlockBytes, IsBigEndian(encoding));
  // A small output is one block, filled on this thread in a buffer of its size.
  const bool sideBySide = Threads() > 1 && output.blocks() > 1;
  BlockPipeline pipeline(std::min(kBlockBytes, output.bytes()), sideBySide ? Threads() : 0);
  const BlockPipeline::Fill fill = [&output](std::size_t block, char* slot) {
    return output.fill(block, slot);
  };
  writer.write(ByteOrderMark(encoding));
  pipeline.run(output.blocks(), fill, writer);
}

template <class CharT>
void WriteRewrite(ArticleView<CharT> text, TextEncoding encoding, RandomSource& random,
                  OutputWriter& writer) {
  const ArticleView<CharT> lineBreak = DetectLineBreak(text);
  WriteLines<CharT>(ShuffledNonEmptyLines(text, lineBreak, random, Threads()), lineBreak, encoding,
                    writer);
}

template <class CharT>
void DecodeAndWriteRewrite(const EncodedText& encoded, RandomSource& random, OutputWriter& writer) {
  const auto text = DecodeUnits<CharT>(encoded.body, IsBigEndian(encoded.encoding));
  WriteRewrite<CharT>(text, encoded.encoding, random, writer);
}

}  // namespace

int RunCli(std::span<const std::string_view> args, const CliStreams& streams) {
  const auto parsed = ParseCommandLine(args);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    return Fail(streams, kExitUsage, error->message + " (try --help)");
  }
  const auto& options = std::get<CliOptions>(parsed);
  OutputWriter writer(streams.out);
  if (options.action != CliAction::Rewrite) {
    writer.write(options.action == CliAction::ShowHelp
                     ? UsageText()
                     : std::string(kProgramName) + " " + WYC_VERSION_STRING + "\n");
    if (const int error = writer.finish(); error != 0) {
      return Fail(streams, kExitFailure, "cannot write: " + ErrnoText(error));
    }
    return kExitSuccess;
  }

  const std::string name = Describe(options.input);
  InputBytes input;
  StreamedSplit streamed;
  try {
    FileHandle opened;
    std::FILE* source = streams.in;
    if (options.input != "-") {
      opened.reset(std::fopen(options.input.c_str(), "rb"));
      if (!opened)
        return Fail(streams, kExitFailure, "cannot open " + name + ": " + ErrnoText(errno));
      source = opened.get();
    }
    const auto progress = [&input, &streamed](std::string_view soFar) {
      if (!input.sizeKnown()) streamed.feed(soFar);
    };
    const std::string shrunk =
        std::string(kProgramName) + ": " + name + " shrank while it was being read\n";
    if (const int error = input.readAll(source, shrunk, progress); error != 0) {
      return Fail(streams, kExitFailure, "cannot read " + name + ": " + ErrnoText(error));
    }
  } catch (const std::bad_alloc&) {
    return Fail(streams, kExitFailure, "out of memory reading " + name);
  }

  const EncodedText encoded = DetectEncoding(input.view());
  if (encoded.body.size() % UnitBytes(encoded.encoding) != 0) {
    return Fail(streams, kExitFailure,
                name + " starts with a UTF-" + std::to_string(8 * UnitBytes(encoded.encoding)) +
                    " byte order mark but ends in part of a character");
  }

  RandomSource& random = ProcessRandomSource();
  random.reseed(options.seed ? *options.seed : SeedFromTimeOfDay(SecondsSinceMidnight()));
  try {
    switch (UnitBytes(encoded.encoding)) {
      case 4:
        DecodeAndWriteRewrite<char32_t>(encoded, random, writer);
        break;
      case 2:
        DecodeAndWriteRewrite<char16_t>(encoded, random, writer);
        break;
      default:
        if (const auto lines = input.sizeKnown() ? std::nullopt : streamed.finish(input.view())) {
          // Piped bytes were split while they arrived: only the shuffle is left.
          ShuffleLines(*lines, random);
          WriteLines<char>(*lines, DetectLineBreak(encoded.body), encoded.encoding, writer);
        } else {
          WriteRewrite<char>(encoded.body, encoded.encoding, random, writer);
        }
    }
  } catch (const std::bad_alloc&) {
    return Fail(streams, kExitFailure, "out of memory rewriting " + name);
  }
  if (const int error = writer.finish(); error != 0) {
    return Fail(streams, kExitFailure, "cannot write the result: " + ErrnoText(error));
  }
  return kExitSuccess;
}

}  // namespace wyc::cli
