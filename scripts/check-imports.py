#!/usr/bin/env python3
"""Fails when a built program imports a system function its oldest Windows lacks.

    check-imports.py PROGRAM.exe...

The floor is Windows 2000 (0x0500) for a 32-bit program and Windows XP x64 /
Server 2003 (0x0502) for a 64-bit one. Each function the program imports is
referenced, in one translation unit, against the MinGW-w64 headers with
_WIN32_WINNT, WINVER and _WIN32_IE at the floor: what they do not declare
there is refused, and so are the few functions the headers declare
unconditionally though a later Windows brought them. The C runtime's
(msvcrt.dll) and GDI+'s (gdiplus.dll) functions are not checked here.
"""

import re
import struct
import subprocess
import sys
import tempfile

FLOORS = {  # PE machine -> (MinGW prefix, floor, name of that Windows)
    0x014C: ("i686-w64-mingw32", 0x0500, "Windows 2000"),
    0x8664: ("x86_64-w64-mingw32", 0x0502, "Windows XP x64"),
}
EXEMPT_DLLS = {"msvcrt.dll", "gdiplus.dll"}
HEADERS = ["windows.h", "commctrl.h", "commdlg.h", "shlobj.h", "shellapi.h", "ole2.h", "olectl.h"]
# Declared by the headers whatever the floor, but missing before this Windows.
XP, VISTA = (0x0501, "Windows XP"), (0x0600, "Windows Vista")
LATER_FUNCTIONS = {
    "GetTickCount64": VISTA,
    "AddVectoredExceptionHandler": XP,
    "RemoveVectoredExceptionHandler": XP,
    "AddVectoredContinueHandler": VISTA,
    "RemoveVectoredContinueHandler": VISTA,
}


def pe_machine(path):
    with open(path, "rb") as f:
        header = f.read(4096)
    (pe_offset,) = struct.unpack_from("<I", header, 0x3C)
    if header[pe_offset:pe_offset + 4] != b"PE\0\0":
        sys.exit(f"check-imports: {path} is no Windows program")
    (machine,) = struct.unpack_from("<H", header, pe_offset + 4)
    if machine not in FLOORS:
        sys.exit(f"check-imports: {path}: unknown machine {machine:#x}")
    return machine


def imports(objdump, path):
    """[(dll, function)] of the import table; function is '#N' for an ordinal."""
    listing = subprocess.run([objdump, "-p", path], check=True, capture_output=True, text=True).stdout
    found, dll, in_table = [], None, False
    for line in listing.splitlines():
        if line.startswith("The Import Tables"):
            in_table = True
            continue
        if not in_table:
            continue
        if line[:1].strip():  # the next part of the listing
            break
        named = re.match(r"\s*DLL Name: (\S+)", line)
        entry = re.match(r"\s+[0-9a-f]+\s+(\d+)\s+(\S+)\s*$", line)
        if named:
            dll = named.group(1)
        elif dll and entry and entry.group(2) == "<none>":
            found.append((dll, "#" + entry.group(1)))
        elif dll and entry:
            found.append((dll, entry.group(2)))
    return found


def undeclared(compiler, floor, names):
    """The names the headers do not declare at the floor."""
    lines = [f"#define _WIN32_WINNT {floor:#06x}", f"#define WINVER {floor:#06x}", f"#define _WIN32_IE {floor:#06x}"]
    lines += [f"#include <{h}>" for h in HEADERS]
    lines.append("void ReferenceEachImport() {")
    first = len(lines) + 1
    lines += [f"  (void)&::{name};" for name in names]
    lines.append("}")
    with tempfile.NamedTemporaryFile("w", suffix=".cpp") as source:
        source.write("\n".join(lines) + "\n")
        source.flush()
        result = subprocess.run([compiler, "-fsyntax-only", "-fmax-errors=0", source.name],
                                capture_output=True, text=True)
    missing = set()
    for match in re.finditer(r"^[^:\n]+:(\d+):\d+: error:", result.stderr, re.MULTILINE):
        index = int(match.group(1)) - first
        if not 0 <= index < len(names):
            sys.exit("check-imports: the headers do not compile:\n" + result.stderr)
        missing.add(names[index])
    if result.returncode != 0 and not missing:
        sys.exit("check-imports: the reference test did not compile:\n" + result.stderr)
    return missing


def check(path):
    prefix, floor, windows = FLOORS[pe_machine(path)]
    imported = [(dll, name) for dll, name in imports(f"{prefix}-objdump", path)
                if dll.lower() not in EXEMPT_DLLS]
    by_name = [name for _, name in imported if not name.startswith("#")]
    missing = undeclared(f"{prefix}-g++", floor, sorted(set(by_name)))
    offenders = []
    for dll, name in imported:
        if name.startswith("#"):
            offenders.append(f"{dll} ordinal {name[1:]}: imported by number, which cannot be checked")
        elif name in missing:
            offenders.append(f"{name} ({dll}): not declared for {windows} ({floor:#06x})")
        since, later_windows = LATER_FUNCTIONS.get(name, (0, ""))
        if since > floor:
            offenders.append(f"{name} ({dll}): came with {later_windows}, after {windows}")
    for offender in offenders:
        print(f"check-imports: {path}: {offender}")
    if not offenders:
        print(f"check-imports: {path}: {len(imported)} system functions, all on {windows} ({floor:#06x})")
    return not offenders


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    results = [check(path) for path in sys.argv[1:]]
    sys.exit(0 if all(results) else 1)


if __name__ == "__main__":
    main()
