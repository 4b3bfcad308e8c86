# What both MinGW-w64 cross builds share; the including toolchain sets WYC_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model gives std::thread to the tests; it is linked in statically below.
set(CMAKE_C_COMPILER ${WYC_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WYC_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WYC_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WYC_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: no libgcc, libstdc++ or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs the test programs (and discovers their cases) through Wine: `wine`, as found when the
# tests run (scripts/test-windows.sh may put a 64-bit one first on PATH).
set(WYC_WINE wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WYC_WINE})
