# Debian's amd64 hardening (dpkg-buildflags with hardening=+all; Debian 12's dpkg 1.21 still lacks
# stack clash and control-flow protection) for every Linux program this source tree builds,
# whatever the preset or the caller's flags; included before any target.
#
# Not in the sanitizer and fuzzing builds: they never ship, their own checks cover what these
# catch, and the fortified *_chk functions bypass AddressSanitizer's interceptors, which then
# miss bugs or report false ones. Not for Windows or the browser either: other toolchains, whose
# programs carry their own protection (ASLR and DEP in the PE headers; WebAssembly's sandbox).
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang"
   OR WYC_SANITIZE OR WYC_BUILD_FUZZERS)
  return()
endif()

add_compile_options(-fstack-protector-strong -fstack-clash-protection
                    -Wformat -Werror=format-security)
add_link_options(LINKER:-z,relro,-z,now)

# PIE through CMake's own property (policy CMP0083), which also makes the static libraries'
# objects position-independent, as a PIE link needs; Qt's targets ask for that themselves.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Control-flow protection exists on x86 only. The linker marks a program CET-ready only when
# all its objects are marked, and Debian 12's glibc start files (Scrt1.o, crti.o, crtn.o) are
# not: _init, which the loader calls through a pointer, has no endbr64. So the mark appears
# where the C library is built for CET; forcing it here (-z ibt) would claim what is not so.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
  add_compile_options(-fcf-protection)
endif()

# _FORTIFY_SOURCE: 3 where compiler and C library support it (GCC 12 or clang 9, glibc 2.34),
# else 2, which glibc silently stays at. Only with the optimiser, without which glibc fortifies
# nothing and warns; and not when the caller's flags set a level already, as dpkg-buildflags'
# do, for a second definition is a warning, an error with WYC_WARNINGS_AS_ERRORS.
string(TOUPPER "${CMAKE_BUILD_TYPE}" wyc_build_type)
if("${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${wyc_build_type}}" MATCHES "_FORTIFY_SOURCE")
  return()
endif()
include(CheckCXXSourceCompiles)
include(CMakePushCheckState)
cmake_push_check_state(RESET)
set(CMAKE_REQUIRED_FLAGS "-O2 -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3")
check_cxx_source_compiles([[
#include <cstring>
#if !defined(__USE_FORTIFY_LEVEL) || __USE_FORTIFY_LEVEL < 3
#error _FORTIFY_SOURCE=3 is not supported here
#endif
int main() { return 0; }
]] WYC_HAVE_FORTIFY_SOURCE_3)
cmake_pop_check_state()
set(wyc_fortify_level 2)
if(WYC_HAVE_FORTIFY_SOURCE_3)
  set(wyc_fortify_level 3)
endif()
# -U first: some compilers (Ubuntu's GCC) define a level of their own.
add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=${wyc_fortify_level}>)
