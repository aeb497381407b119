#!/usr/bin/env python3
# Prints what clang-tidy reads in a build tree: the unity batches and any source of src/ compiled on its own; fails,
# naming them, if some of the given sources are in neither.
# Usage: tidy-units.py BUILD_DIR SOURCE... (sources as absolute paths)
import json
import os
import re
import sys

build, sources = sys.argv[1], set(sys.argv[2:])
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
with open(f"{build}/compile_commands.json", encoding="utf-8") as commands:
    units = [unit["file"] for unit in json.load(commands)
             if "/Unity/unity_" in unit["file"] or unit["file"].startswith(f"{root}/src/")]
read = set(units)
for unit in units:
    with open(unit, encoding="utf-8") as text:
        read.update(re.findall(r'^#include "(.*)"', text.read(), re.MULTILINE))
for source in sorted(sources - read):
    print(f"clang-tidy: {source} is in no batch and not compiled on its own", file=sys.stderr)
print("\n".join(units))
sys.exit(1 if sources - read else 0)
