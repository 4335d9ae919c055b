#!/usr/bin/env python3
"""Lists the C++ sources under the folders given, one path a line, for meson.build (as CMake globs them)."""
import pathlib
import sys

for folder in sys.argv[1:]:
    for path in sorted(pathlib.Path(folder).rglob("*.cpp")):
        print(path.as_posix())
