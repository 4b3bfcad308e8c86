// Test texts written once in ASCII and used as bytes or as UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace wyc::test {

template <class CharT>
std::basic_string<CharT> Widen(std::string_view ascii) {
  return {ascii.begin(), ascii.end()};
}

}  // namespace wyc::test
