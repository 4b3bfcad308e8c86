// Text crosses between the page's strings and C++ code unit by code unit, through a view of the
// module's memory, so nothing is lost or changed on the way (lone surrogates included).
#include "ui/web/page_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace wyc::ui::web {
namespace {

emscripten::val UnitsOf(const char16_t* data, std::size_t size) {
  // The script sees the units in place, as a Uint16Array over the module's memory.
  return emscripten::val(
      emscripten::typed_memory_view(size, reinterpret_cast<const std::uint16_t*>(data)));
}

}  // namespace

emscripten::val ToJsString(std::u16string_view text) {
  return emscripten::val::module_property("stringOf")(UnitsOf(text.data(), text.size()));
}

emscripten::val LfTextFromArticle(std::u16string_view article) {
  std::u16string text(article.size(), u'\0');
  std::size_t to = 0;
  for (std::size_t from = 0; from < article.size(); ++from) {
    if (article[from] == u'\r' && from + 1 < article.size() && article[from + 1] == u'\n') ++from;
    text[to++] = article[from];
  }
  return ToJsString(std::u16string_view(text).substr(0, to));
}

std::u16string ArticleFromBoxValue(const emscripten::val& value) {
  const auto size = value["length"].as<std::size_t>();
  std::u16string text(size, u'\0');
  emscripten::val::module_property("copyInto")(value, UnitsOf(text.data(), size));
  const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n'));
  if (breaks == 0) return text;
  // Widen in place from the end: every LF gains the CR before it.
  text.resize(size + breaks);
  std::size_t to = text.size();
  for (std::size_t from = size; from-- > 0;) {
    text[--to] = text[from];
    if (text[from] == u'\n') text[--to] = u'\r';
  }
  return text;
}

}  // namespace wyc::ui::web
