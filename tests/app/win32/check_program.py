#!/usr/bin/env python3
"""Checks a Windows program in the file, where Wine would not notice: its machine, that it needs
no MinGW runtime DLL beside it, and that Windows may load it anywhere (ASLR, with the relocations
that takes, high-entropy on 64-bit) and never runs its data (DEP); given the website host, also
the window program's resources, all Chinese (PRC): version strings in block 080404B0 only, one
32 x 32 icon at 24 bits, the manifest (the systems it supports and how it scales on each).
Usage: check_program.py PROGRAM i386|amd64 [WEBSITE_HOST]"""
import re
import struct
import sys

import pefile

# Common controls 6; no elevation; Windows 7, 8, 8.1 and 10/11 among the supported systems; and
# DPI awareness for each: system-wide on 7 and 8 ("true" of true/pm), per monitor on 8.1 (its
# "pm") and v2 on 10.
MANIFEST = ('Common-Controls" version="6.0.0.0"', 'level="asInvoker"',
            '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}', '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}',
            '{1f676c76-80e1-4239-95bb-83d0f6d0da78}', '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}',
            '>true/pm<', '>PerMonitorV2,')
PROTECTION = ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT")
path, machine, host = sys.argv[1], sys.argv[2], (sys.argv[3:] or [None])[0]
pe = pefile.PE(path)
found = {"machine": pefile.MACHINE_TYPE[pe.FILE_HEADER.Machine],
         "runtime DLLs": [entry.dll.decode() for entry in pe.DIRECTORY_ENTRY_IMPORT
                          if re.match("libgcc|libstdc|libwinpthread", entry.dll.decode(), re.I)],
         "protection": [flag for flag in PROTECTION if pe.OPTIONAL_HEADER.DllCharacteristics
                        & pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_" + flag]],
         "base relocations": pe.OPTIONAL_HEADER.DATA_DIRECTORY[
             pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]].Size > 0}
wanted = {"machine": "IMAGE_FILE_MACHINE_" + machine.upper(), "runtime DLLs": [],
          "protection": [flag for flag in PROTECTION
                         if machine == "amd64" or flag != "HIGH_ENTROPY_VA"],
          "base relocations": True}
if host:
    data = {(kind.id, entry.id): pe.get_data(entry.data.struct.OffsetToData, entry.data.struct.Size)
            for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries for name in kind.directory.entries
            for entry in name.directory.entries}
    found.update(resources=sorted(data), strings={
        table.LangID.decode(): {key.decode(): value.decode() for key, value in table.entries.items()}
        for info in pe.FileInfo[0] for table in getattr(info, "StringTable", [])},
        # Images in the group, the first one's size and depth, then that image's own header,
        # whose height counts the AND mask too.
        icon=struct.unpack_from("<4xH2B4xH", data.get((14, 2052), bytes(14)))
        + struct.unpack_from("<4x2i2xH", data.get((3, 2052), bytes(16))),
        manifest_lacks=[part for part in MANIFEST
                        if part not in data.get((24, 2052), b"").decode()])
    wanted.update(resources=[(3, 2052), (14, 2052), (16, 2052), (24, 2052)], strings={"080404B0": {
        "CompanyName": host, "FileDescription": "伪原创工具", "FileVersion": "1.00",
        "InternalName": "朔屿伪原创工具 1.0", "OriginalFilename": "朔屿伪原创工具 1.0.exe",
        "ProductName": "朔屿伪原创工具", "ProductVersion": "1.00"}},
        icon=(1, 32, 32, 24, 32, 64, 24), manifest_lacks=[])
sys.exit("\n".join(f"{path}: {key} is {found[key]!r}, expected {wanted[key]!r}"
                   for key in wanted if found[key] != wanted[key]) or None)
