// Article text (UTF-16, CR LF between lines) to and from the strings of the page's script and
// the value of its text box, which keeps LF alone between lines.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace wyc::ui::web {

// The same UTF-16 code units as a string of the page's script.
emscripten::val ToJsString(std::u16string_view text);

// The article as text boxes and the Clipboard API take it: every CR LF becomes LF, a lone CR or
// LF stays as it is (a box breaks its line there too).
emscripten::val LfTextFromArticle(std::u16string_view article);

// The article text of a text box's value: each LF becomes CR LF.
std::u16string ArticleFromBoxValue(const emscripten::val& value);

}  // namespace wyc::ui::web
