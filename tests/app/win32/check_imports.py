#!/usr/bin/env python3
"""Checks that Windows programs start on Windows 7 SP1, reading each one's import table with
pefile: Windows refuses to start a program that imports a DLL or a function it lacks, or whose
header asks for a later version. A program fails on

- a DLL that Windows 7 SP1 lacks (any DLL not in WINDOWS_7_DLLS);
- a function that MinGW-w64's headers declare only for a later Windows: they carry Windows' own
  version guards, so a probe that names every imported function, compiled at _WIN32_WINNT=0x0601,
  fails on exactly those; compiled at every level from XP to 10, it also dates each function;
- a function imported by ordinal, or one that no header declares at any level, unless it is one of
  msvcrt.dll's start-up entry points (__getmainargs, _initterm, ...), which the C runtime's own
  start-up code imports and no header declares;
- a header asking for an OS or subsystem version above 6.1.

Prints, for each program, its newest function and the Windows that brought it.
Usage: check_imports.py PROGRAM.exe...   (needs i686- and x86_64-w64-mingw32-gcc)"""
import concurrent.futures
import os
import re
import subprocess
import sys
import tempfile

import pefile

FLOOR = (6, 1)
# The DLLs of Windows 7 SP1's system folder that programs like these use.
WINDOWS_7_DLLS = {name + ".dll" for name in (
    "advapi32 comctl32 comdlg32 crypt32 dbghelp dwmapi gdi32 gdiplus imm32 iphlpapi kernel32 "
    "mpr msimg32 msvcrt netapi32 ntdll ole32 oleacc oleaut32 psapi rpcrt4 secur32 setupapi "
    "shell32 shlwapi user32 userenv usp10 uxtheme version winhttp wininet winmm ws2_32 wtsapi32"
).split()}
# _WIN32_WINNT levels, oldest first: the floor, and the Windows each later one stands for.
LEVELS = [(0x0501, "Windows XP"), (0x0502, "Windows Server 2003"), (0x0600, "Windows Vista"),
          (0x0601, "Windows 7"), (0x0602, "Windows 8"), (0x0603, "Windows 8.1"),
          (0x0A00, "Windows 10")]
FLOOR_LEVEL = 0x0601
# Every header that declares what these programs, the C runtime and NSIS's installer import.
HEADERS = ("windows.h commctrl.h commdlg.h objbase.h oleacc.h shellapi.h shlobj.h shlwapi.h "
           "shellscalingapi.h uxtheme.h dwmapi.h winver.h psapi.h "
           "stdio.h stdlib.h string.h wchar.h time.h signal.h setjmp.h locale.h process.h io.h "
           "fcntl.h errno.h math.h malloc.h ctype.h sys/stat.h").split()
COMPILERS = {"IMAGE_FILE_MACHINE_I386": "i686-w64-mingw32-gcc",
             "IMAGE_FILE_MACHINE_AMD64": "x86_64-w64-mingw32-gcc"}


def undeclared(compiler, names, level):
    """The names that the headers do not declare at `level`."""
    source = "".join(f"#include <{header}>\n" for header in HEADERS)
    source += "void probe(void) {\n" + "".join(f"  (void)({name});\n" for name in names) + "}\n"
    with tempfile.NamedTemporaryFile("w", suffix=".c", delete=False) as probe:
        probe.write(source)
    # The newest level also asks for the newest Windows 10 release the headers know.
    newest = ["-DNTDDI_VERSION=WDK_NTDDI_VERSION"] if level == LEVELS[-1][0] else []
    try:
        result = subprocess.run(
            [compiler, "-fsyntax-only", "-fmax-errors=0", "-w", f"-D_WIN32_WINNT={level:#06x}",
             f"-DWINVER={level:#06x}", *newest, probe.name],
            capture_output=True, text=True, env=dict(os.environ, LC_ALL="C"))
    finally:
        os.unlink(probe.name)
    found = set(re.findall(r"'(\w+)' undeclared", result.stderr))
    others = [line for line in result.stderr.splitlines() if "error:" in line and
              "undeclared" not in line]
    if others:
        sys.exit(f"check_imports.py: the probe does not compile at {level:#06x}:\n" +
                 "\n".join(others[:5]))
    return found


def imports(pe):
    """(dll, function or None for an ordinal) for the import and delay-import tables."""
    entries = getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) + getattr(
        pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
    return [(entry.dll.decode().lower(), item.name.decode() if item.name else None)
            for entry in entries for item in entry.imports]


def main(paths):
    programs = {path: pefile.PE(path) for path in paths}
    # One probe per machine and level for all programs' functions: the headers differ by machine.
    by_machine = {}
    for pe in programs.values():
        machine = pefile.MACHINE_TYPE[pe.FILE_HEADER.Machine]
        by_machine.setdefault(machine, set()).update(name for _, name in imports(pe) if name)
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        jobs = {(machine, level): pool.submit(undeclared, COMPILERS[machine], sorted(names), level)
                for machine, names in by_machine.items() for level, _ in LEVELS}
        missing = {key: job.result() for key, job in jobs.items()}

    failures = []
    for path, pe in programs.items():
        machine = pefile.MACHINE_TYPE[pe.FILE_HEADER.Machine]
        header = pe.OPTIONAL_HEADER
        problems = []
        for what, version in (
                ("OS", (header.MajorOperatingSystemVersion, header.MinorOperatingSystemVersion)),
                ("subsystem", (header.MajorSubsystemVersion, header.MinorSubsystemVersion))):
            if version > FLOOR:
                problems.append(f"its header asks for {what} version {version[0]}.{version[1]}")
        dated = {}
        for dll, name in imports(pe):
            if dll not in WINDOWS_7_DLLS:
                problems.append(f"{dll} ({name}) is not a DLL of Windows 7 SP1")
                continue
            if name is None:
                problems.append(f"{dll} imports a function by ordinal, which no header dates")
                continue
            since = next((level for level, windows in LEVELS
                          if name not in missing[(machine, level)]), None)
            if since is None:
                if dll != "msvcrt.dll":
                    problems.append(f"{dll} {name}: no header declares it at any level")
            elif since > FLOOR_LEVEL:
                windows = dict(LEVELS)[since]
                problems.append(f"{dll} {name}: declared from {windows} ({since:#06x}) only")
            else:
                dated.setdefault(since, []).append(name)
        if problems:
            failures.append(f"{path}: does not start on Windows 7 SP1:\n  " + "\n  ".join(problems))
        else:
            since = max(dated, default=LEVELS[0][0])
            newest = (f"newest imports, from {dict(LEVELS)[since]}: "
                      f"{', '.join(sorted(dated[since]))}" if since > LEVELS[0][0]
                      else f"nothing newer than {LEVELS[0][1]}")
            print(f"{path}: starts on Windows 7 SP1; {newest}; header OS "
                  f"{header.MajorOperatingSystemVersion}.{header.MinorOperatingSystemVersion}, "
                  f"subsystem {header.MajorSubsystemVersion}.{header.MinorSubsystemVersion}")
    sys.exit("\n".join(failures) or None)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
