// Quoting text from the user (file names, arguments) for a one-line message.
#pragma once

#include <string>
#include <string_view>

namespace wyc::cli {

// `text` in single quotes, as a POSIX shell would read it back: a quote inside becomes '\'',
// and control characters, bytes that are not UTF-8 and C1 controls leave the quotes as $'\n'
// or $'\ooo'. The result holds no control character, so a message stays on one line and cannot
// drive the terminal.
std::string QuoteForMessage(std::string_view text);

}  // namespace wyc::cli
