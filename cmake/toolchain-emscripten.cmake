# The browser build: Debian's Emscripten. Its linker runs Node.js scripts that need Debian's own
# JavaScript modules, which a Node.js from elsewhere does not look for.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# Form1 catches running out of memory; Emscripten leaves catching off unless asked.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")
