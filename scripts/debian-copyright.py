#!/usr/bin/env python3
"""Writes debian/copyright (machine-readable, DEP-5) from the REUSE data: .reuse/dep5 and the texts in LICENSES/.

Licences get Debian's short names; those whose text Debian ships in /usr/share/common-licenses are referred to
there, the others are written out in full. With --check nothing is written: it exits 1 with a diff when the
committed debian/copyright differs from what this script makes.
"""
import argparse
import difflib
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEP5 = ROOT / ".reuse" / "dep5"
LICENSES = ROOT / "LICENSES"
OUTPUT = ROOT / "debian" / "copyright"

GPL_GRANT = """\
This program is free software: you can redistribute it and/or modify it under the terms of the GNU General
Public License as published by the Free Software Foundation,
{version}.

This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the
implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for
more details.

You should have received a copy of the GNU General Public License along with this program. If not, see
<https://www.gnu.org/licenses/>."""

CC0_SUMMARY = """\
To the extent possible under law, the authors have dedicated all copyright and related and neighboring rights
to this work to the public domain worldwide. This work is distributed without any warranty."""

# SPDX identifier -> (DEP-5 short name, text in /usr/share/common-licenses or None, text placed before the pointer).
KNOWN = {
    "GPL-3.0-or-later": ("GPL-3+", "GPL-3", GPL_GRANT.format(
        version="either version 3 of the License, or (at your option) any later version")),
    "GPL-3.0-only": ("GPL-3", "GPL-3", GPL_GRANT.format(version="version 3 of the License")),
    "CC0-1.0": ("CC0-1.0", "CC0-1.0", CC0_SUMMARY),
}


def paragraphs(text):
    """The paragraphs of a DEP-5 file as lists of (field, value) in order; continuation lines stay in the value."""
    result, current = [], []
    for line in text.splitlines():
        if not line.strip():
            if current:
                result.append(current)
                current = []
        elif line[0] in " \t":
            if not current:
                raise ValueError(f"continuation line outside a field: {line!r}")
            field, value = current[-1]
            current[-1] = (field, value + "\n" + line)
        else:
            field, _, value = line.partition(":")
            current.append((field.strip(), value.strip()))
    if current:
        result.append(current)
    return result


def identifiers(expression):
    """The licence identifiers of an SPDX expression (AND, OR, WITH and brackets aside)."""
    return [t for t in re.split(r"[\s()]+", expression) if t and t not in ("AND", "OR", "WITH")]


def debian_name(identifier):
    return KNOWN[identifier][0] if identifier in KNOWN else identifier


def debian_expression(expression):
    # DEP-5 spells the operators in lower case.
    words = re.split(r"(\s+|[()])", expression)
    mapping = {"AND": "and", "OR": "or", "WITH": "with"}
    return "".join(mapping.get(w, debian_name(w) if w.strip() and w not in "()" else w) for w in words)


def indented(text):
    """A licence text as a DEP-5 field body: every line indented by one space, empty lines written as ' .'."""
    lines = [line.rstrip().expandtabs() for line in text.strip("\n").splitlines()]
    return "\n".join(" " + line if line.strip() else " ." for line in lines)


def licence_paragraph(identifier):
    name, common, before = KNOWN.get(identifier, (identifier, None, None))
    if common:
        body = before + "\n\n" + f"On Debian systems, the full text of this licence is in /usr/share/common-licenses/{common}."
    else:
        body = (LICENSES / f"{identifier}.txt").read_text(encoding="utf-8")
    return f"License: {name}\n{indented(body)}"


# Not a file of the source: the program carries a subset of AR PL UMing CN, made when it is built (resources/fonts/).
EMBEDDED_FONT = (" The program embeds its design font, a subset of AR PL UMing CN made at build time from Debian's\n"
                 " fonts-arphic-uming: (c) Copyright 1994-1999 Arphic Technology Co., Ltd., with the later changes\n"
                 " its name table records, under the Arphic Public License, whose text is in\n"
                 " /usr/share/doc/fonts-arphic-uming/copyright (the package depends on fonts-arphic-uming). The\n"
                 " subset's name table also says how and when it was made.")


def make():
    source = paragraphs(DEP5.read_text(encoding="utf-8"))
    header, files = source[0], source[1:]
    if not header or header[0][0] != "Format":
        raise ValueError(f"{DEP5}: the first paragraph must be the header (Format: ...)")

    used = []
    out = []
    fields = [(k, v) for k, v in header if k != "Comment"]
    fields.append(("Comment", "Made from .reuse/dep5 and LICENSES/ by scripts/debian-copyright.py; edit those.\n"
                   " .\n" + EMBEDDED_FONT))
    out.append("\n".join(f"{k}: {v}" for k, v in fields))
    for paragraph in files:
        lines = []
        for field, value in paragraph:
            if field == "License":
                for identifier in identifiers(value):
                    if identifier not in used:
                        used.append(identifier)
                value = debian_expression(value)
            lines.append(f"{field}: {value}")
        out.append("\n".join(lines))

    shipped = sorted(p.stem for p in LICENSES.glob("*.txt"))
    missing = [i for i in used if i not in shipped]
    unused = [i for i in shipped if i not in used]
    if missing or unused:
        raise ValueError(f"LICENSES/ and .reuse/dep5 disagree: texts missing for {missing}, texts unused: {unused}")
    out.extend(licence_paragraph(i) for i in used)
    return "\n\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with debian/copyright instead of writing it")
    args = parser.parse_args()
    wanted = make()
    if not args.check:
        OUTPUT.write_text(wanted, encoding="utf-8")
        print(f"wrote {OUTPUT.relative_to(ROOT)}")
        return 0
    present = OUTPUT.read_text(encoding="utf-8") if OUTPUT.exists() else ""
    if present == wanted:
        print("debian/copyright is up to date with .reuse/dep5 and LICENSES/")
        return 0
    sys.stdout.writelines(difflib.unified_diff(present.splitlines(True), wanted.splitlines(True),
                                               "debian/copyright (committed)", "debian/copyright (from REUSE data)"))
    print("debian/copyright is out of date: run scripts/debian-copyright.py")
    return 1


if __name__ == "__main__":
    sys.exit(main())
