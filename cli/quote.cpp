// Shell-style quoting for messages.
#include "cli/quote.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace wyc::cli {
namespace {

// The length of the printable UTF-8 character at the start of `text`, or 0 when it is a
// control character, a C1 control or not well-formed UTF-8.
std::size_t PrintableLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7F ? 1 : 0;
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || text.size() < length) return 0;
  std::uint32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = code << 6 | (next & 0x3F);
  }
  constexpr std::array<std::uint32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
  const bool valid = code >= kSmallest.at(length) && code <= 0x10FFFF && (code >> 11) != 0x1B;
  return valid && code >= 0xA0 ? length : 0;
}

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr std::string_view kNamed = "abtnvfr";  // \a (7) to \r (13)
  if (byte >= 7 && byte <= 13) {
    out += '\\';
    out += kNamed[byte - 7];
    return;
  }
  out += '\\';
  for (const int shift : {6, 3, 0}) out += static_cast<char>('0' + ((byte >> shift) & 7));
}

}  // namespace

std::string QuoteForMessage(std::string_view text) {
  std::string out = "'";
  while (!text.empty()) {
    std::size_t length = PrintableLength(text);
    if (length != 0) {
      out += text[0] == '\'' ? std::string_view("'\\''") : text.substr(0, length);
    } else {
      // A run of unprintable bytes goes into one $'...' between the quoted parts.
      out += "'$'";
      for (length = 0; length < text.size() && PrintableLength(text.substr(length)) == 0;
           ++length) {
        AppendEscaped(out, static_cast<unsigned char>(text[length]));
      }
      out += "''";
    }
    text.remove_prefix(length);
  }
  return out + "'";
}

}  // namespace wyc::cli
