#!/usr/bin/env python3
"""Fails on an include that runs against the program's layers, naming the file and line.

Each world lists its folders from the bottom up; a file may include files of its own
folder and of folders below it. The core includes nothing of the Win32 program, and the
Win32 runtime takes from the core only the core's own runtime: it knows no product.
"""
import pathlib
import re
import sys

LAYERS = {
    "core": {"runtime": 0, "errors": 1, "common": 2, "imaging": 3, "dialogs": 3, "main_window": 4, "app": 5},
    "win": {"runtime": 0, "resources": 0, "common": 1, "imaging": 1, "errors": 2, "dialogs": 3, "main_window": 4, "app": 5},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def place(path):
    """(world, folder) of a path relative to src/, or None for files outside the layers."""
    parts = pathlib.PurePosixPath(path).parts
    if len(parts) >= 3 and parts[0] in LAYERS and parts[1] in LAYERS[parts[0]]:
        return parts[0], parts[1]
    return None


def allowed(source, target):
    (world, folder), (target_world, target_folder) = source, target
    if world == target_world:
        return LAYERS[world][target_folder] <= LAYERS[world][folder]
    if world == "core":
        return False
    return folder != "runtime" or target_folder == "runtime"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    faults = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        relative = file.relative_to(src).as_posix()
        source = place(relative)
        if source is None:
            faults.append(f"{file}: outside the layers {sorted(LAYERS['win'])}")
            continue
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = place(match.group(1))
            if target is None:
                if "/" in match.group(1):
                    faults.append(f"{file}:{number}: includes {match.group(1)}, which names no layer")
            elif not allowed(source, target):
                faults.append(f"{file}:{number}: {source[0]}/{source[1]} includes {match.group(1)}")
    for fault in faults:
        print(f"check-layers: {fault}")
    print(f"check-layers: {len(faults)} upward or unplaced includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
