#!/usr/bin/env python3
"""Checks the Windows program's identity in the file itself: version information, language,
icon, manifest, machine and that no MinGW runtime DLL is needed beside it."""
import argparse
import struct
import sys
import xml.etree.ElementTree as ElementTree

import pefile

CHINESE_PRC = 2052
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
EXPECTED_STRINGS = {
    "FileDescription": "伪原创工具",
    "ProductName": "朔屿伪原创工具",
    "InternalName": "朔屿伪原创工具 1.0",
    "OriginalFilename": "朔屿伪原创工具 1.0.exe",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
}
RUNTIME_DLL_PREFIXES = ("libgcc", "libstdc++", "libwinpthread")
MACHINES = {"i386": 0x14C, "amd64": 0x8664}


def resources(pe):
    """Yields (type id, name id, language id, data) for every resource."""
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                entry = language.data.struct
                data = pe.get_data(entry.OffsetToData, entry.Size)
                yield kind.id, name.id, language.id, data


def check(path, machine, company):
    """Everything about the window program; `company` None checks machine and imports only."""
    problems = []
    pe = pefile.PE(path)
    if pe.FILE_HEADER.Machine != MACHINES[machine]:
        problems.append(f"machine {pe.FILE_HEADER.Machine:#x}, expected {machine}")

    imported = [entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT]
    runtime = [dll for dll in imported if dll.startswith(RUNTIME_DLL_PREFIXES)]
    if runtime:
        problems.append(f"needs MinGW runtime DLLs: {runtime}")
    if company is None:
        return problems

    found = list(resources(pe))
    for kind, name, language, _ in found:
        if language != CHINESE_PRC:
            problems.append(f"resource type {kind} id {name} has language {language}")

    fixed = pe.VS_FIXEDFILEINFO[0]
    for field in ("FileVersion", "ProductVersion"):
        version = (getattr(fixed, field + "MS"), getattr(fixed, field + "LS"))
        if version != (0x00010000, 0):
            problems.append(f"{field} is {version[0]:#010x}.{version[1]:#010x}, expected 1.0.0.0")

    expected = dict(EXPECTED_STRINGS, CompanyName=company)
    tables = {}
    translations = []
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            tables[table.LangID.decode()] = {
                key.decode(): value.decode() for key, value in table.entries.items()}
        for var in getattr(info, "Var", []):
            translations.append(var.entry.get(b"Translation"))
    if list(tables) != ["080404B0"]:
        problems.append(f"string blocks {list(tables)}, expected only 080404B0")
    strings = tables.get("080404B0", {})
    for key, value in expected.items():
        if strings.get(key) != value:
            problems.append(f"{key} is {strings.get(key)!r}, expected {value!r}")
    if translations != ["0x0804 0x04b0"]:
        problems.append(f"translation {translations}, expected Chinese (PRC), Unicode")

    groups = [data for kind, _, _, data in found if kind == RT_GROUP_ICON]
    icons = [data for kind, _, _, data in found if kind == RT_ICON]
    if len(groups) != 1 or len(icons) != 1:
        problems.append(f"{len(groups)} icon groups with {len(icons)} images, expected one each")
    else:
        _, _, count = struct.unpack_from("<HHH", groups[0])
        width, height, _, _, _, bits = struct.unpack_from("<BBBBHH", groups[0], 6)
        header_width, header_height, _, header_bits = struct.unpack_from("<4xiiHH", icons[0])
        if (count, width, height, bits) != (1, 32, 32, 24):
            problems.append(f"icon group lists {count} image(s) of {width}x{height} at {bits} bpp")
        # The image's own header counts the AND mask in its height.
        if (header_width, header_height, header_bits) != (32, 64, 24):
            problems.append(
                f"icon image is {header_width}x{header_height // 2} at {header_bits} bpp")

    manifests = [(name, data) for kind, name, _, data in found if kind == RT_MANIFEST]
    if [name for name, _ in manifests] != [1]:
        problems.append(f"manifest ids {[name for name, _ in manifests]}, expected [1]")
    else:
        problems += check_manifest(manifests[0][1])
    return problems


def check_manifest(data):
    problems = []
    root = ElementTree.fromstring(data)
    identities = [element.attrib for element in root.iter()
                  if element.tag.endswith("assemblyIdentity")
                  and element.attrib.get("name") == "Microsoft.Windows.Common-Controls"]
    if [identity.get("version") for identity in identities] != ["6.0.0.0"]:
        problems.append("manifest does not ask for common controls 6.0.0.0")
    levels = [element.attrib.get("level") for element in root.iter()
              if element.tag.endswith("requestedExecutionLevel")]
    if levels != ["asInvoker"]:
        problems.append(f"execution level {levels}, expected asInvoker")
    awareness = [element.text or "" for element in root.iter()
                 if element.tag.endswith("}dpiAwareness")]
    if len(awareness) != 1 or awareness[0].split(",")[0].strip() != "PerMonitorV2":
        problems.append(f"DPI awareness {awareness}, expected PerMonitorV2 first")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("program")
    parser.add_argument("--machine", choices=sorted(MACHINES), required=True)
    parser.add_argument("--company", help="the website host; without it only the machine and "
                        "the imports are checked (for the command line program)")
    arguments = parser.parse_args()
    problems = check(arguments.program, arguments.machine, arguments.company)
    for problem in problems:
        print(f"{arguments.program}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
