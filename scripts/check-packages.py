#!/usr/bin/env python3
# Holds debian/control to scripts/packages.txt: a package the build or the program needs is listed in both.
"""Exits 1, naming each disagreement, when debian/control and scripts/packages.txt disagree:
- a Build-Depends entry must be marked "build" in the list, or, when only the tests need it (<!nocheck>), be listed;
- a package marked "build" must be in Build-Depends;
- the Depends entries and the packages marked "run" must be the same."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
PURPOSES = {"build", "checkout", "run", "shot", "analyse", "test"}


def listed():
    """{package: set of purposes} from the package list."""
    packages = {}
    for line in (ROOT / "scripts/packages.txt").read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        name, purposes, *_ = line.split()
        packages[name] = set(purposes.split(","))
    return packages


def relations(field):
    """{package: restriction text} of one field of debian/control, substitution variables left out."""
    text = (ROOT / "debian/control").read_text()
    match = re.search(rf"^{field}:(.*(?:\n[ \t].*)*)", text, re.MULTILINE)
    entries = {}
    for entry in match.group(1).replace("\n", " ").split(","):
        entry = entry.strip()
        if entry and not entry.startswith("${"):
            name = entry.split()[0]
            entries[name] = entry
    return entries


def main():
    packages = listed()
    build = relations("Build-Depends")
    depends = relations("Depends")
    problems = [f"{name}: unknown purpose {', '.join(sorted(p - PURPOSES))}"
                for name, p in packages.items() if p - PURPOSES]
    for name, entry in build.items():
        if name == "debhelper-compat":
            continue
        tests_only = "<!nocheck>" in entry
        if name not in packages:
            problems.append(f"{name}: in Build-Depends, missing from scripts/packages.txt")
        elif not tests_only and "build" not in packages[name]:
            problems.append(f"{name}: in Build-Depends, not marked build in scripts/packages.txt")
    for name, purposes in packages.items():
        if "build" in purposes and (name not in build or "<!nocheck>" in build[name]):
            problems.append(f"{name}: marked build in scripts/packages.txt, not in Build-Depends")
        if "run" in purposes and name not in depends:
            problems.append(f"{name}: marked run in scripts/packages.txt, not in Depends")
    for name in depends:
        if "run" not in packages.get(name, set()):
            problems.append(f"{name}: in Depends, not marked run in scripts/packages.txt")
    for problem in problems:
        print(f"check-packages: {problem}", file=sys.stderr)
    if not problems:
        print(f"check-packages: debian/control agrees with scripts/packages.txt ({len(packages)} packages)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
