#!/usr/bin/python3
# Builds a small Song-style font from the system's AR PL UMing CN holding only the characters the program shows.
#
#   make_song_subset.py SOURCES_DIR OUT.ttf [FAMILY]      (Debian: fonts-arphic-uming, python3-fonttools)
#
# The characters are every non-ASCII character in the program's sources (captions, marks, messages), all of
# printable ASCII (typed answers, "^_^", "(&T)"), and the characters FreeType's auto-hinter measures Han blue zones
# and stems on. The outlines, the bitmap strikes (11 to 16 px), the metrics and the layout tables of those glyphs
# are kept as they are, so the text renders as with the full collection. FAMILY (default "AR PL UMing Sumora")
# renames the font, so it never stands in for the system's UMing, which stays the fallback for other characters.
import datetime
import os
import re
import string
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

UMING = "/usr/share/fonts/truetype/arphic/uming.ttc"
FACE = 0  # AR PL UMing CN in the collection

# FreeType's auto-hinter measures a Han font's blue zones on these characters (its CJK top and bottom strings) and
# its stem widths on the standard characters 田 and 囗. Without them in the font, Han glyphs would be hinted
# with default zones.
AUTOHINT_HAN = ("他们你來們到和地对對就席我时時會来為能舰說说这這齊军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
                "个为人他以们你來個們到和大对對就我时時有来為要說说主些因它想意理生當看着置者自著裡过还进進過道還里面"
                "田囗")


def interface_text(sources):
    chars = set(string.printable.strip()) | {" "}
    for folder, _, files in os.walk(sources):
        for name in files:
            if name.endswith((".cpp", ".h")):
                with open(os.path.join(folder, name), encoding="utf-8") as f:
                    chars |= set(re.findall(r"[^\x00-\x7f]", f.read()))
    return "".join(sorted(chars | set(AUTOHINT_HAN)))


def main():
    sources, out = sys.argv[1], sys.argv[2]
    family = sys.argv[3] if len(sys.argv) > 3 else "AR PL UMing Sumora"
    text = interface_text(sources)
    # The collection's glyph headers hold bounding boxes that differ from the outlines, and FreeType places a glyph
    # by its stored box: recomputed boxes would move many glyphs by a pixel.
    font = TTFont(UMING, fontNumber=FACE, recalcBBoxes=False)
    options = subset.Options()
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC")]  # keep the bitmap strikes
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.hinting = True
    options.legacy_kern = True
    options.prune_unicode_ranges = False
    options.recalc_bounds = False
    options.recalc_timestamp = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in (1, 4, 16, 18):
            record.string = family
        elif record.nameID == 6:
            record.string = family.replace(" ", "")
        elif record.nameID == 3:
            record.string = family + ": subset of AR PL UMing CN"
    # The Arphic Public License asks for a prominent notice of how and when a modified font was changed; its text
    # (ARPHICPL.TXT, /usr/share/doc/fonts-arphic-uming/copyright) goes with every copy.
    notice = (f"Modified {datetime.date.today().isoformat()} from AR PL UMing CN (fonts-arphic-uming): reduced to "
              f"the {len(text)} characters a program shows and renamed {family}; glyphs, bitmaps and metrics "
              "unchanged. Distributed under the Arphic Public License.")
    font["name"].setName(notice, 10, 3, 1, 0x409)
    font["name"].setName(notice, 10, 1, 0, 0)
    font.save(out)
    print(f"{out}: {len(text)} characters, {font['maxp'].numGlyphs} glyphs, {os.path.getsize(out)} bytes")


if __name__ == "__main__":
    main()
