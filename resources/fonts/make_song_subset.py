#!/usr/bin/python3
# Makes the program's design font: the glyphs it draws, taken from the system's AR PL UMing CN under its own name.
#
#   make_song_subset.py CHARACTERS.txt OUT.ttf        (Debian: fonts-arphic-uming, python3-fonttools)
#
# The characters are those of CHARACTERS.txt (comment lines start with #), printable ASCII and Latin-1, and the ones
# FreeType's auto-hinter measures Han blue zones and stems on. Outlines, bitmap strikes, metrics and layout tables of
# those glyphs stay as they are, so the text renders exactly as with the whole collection; loading 170 KB instead of
# a 21 MB collection makes the program start sooner and lighter. The new family name keeps the font from standing in
# for the system's UMing; the program asks fontconfig to take anything else typed from the system's UMing first
# (src/gui/controls/designfont.cpp).
import datetime
import os
import string
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

UMING = "/usr/share/fonts/truetype/arphic/uming.ttc"
FACE = 0  # AR PL UMing CN in the collection
FAMILY = "AR PL UMing Sumora"

# FreeType's auto-hinter measures a Han font's blue zones on these characters (its CJK top and bottom strings) and
# its stem widths on 田 and 囗: without them in the font, Han glyphs would be hinted with default zones.
AUTOHINT_HAN = ("他们你來們到和地对對就席我时時會来為能舰說说这這齊军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
                "个为人他以们你來個們到和大对對就我时時有来為要說说主些因它想意理生當看着置者自著裡过还进進過道還里面"
                "田囗")


# With Latin-1 besides ASCII, fontconfig counts the font as one for English, and Qt then uses one font engine for
# Latin and Han text alike; without it the font counts as a symbol font and every size gets two engines.
LATIN_1 = "".join(chr(c) for c in range(0xA0, 0x100))


def characters(path):
    chars = set(string.printable.strip()) | {" "} | set(AUTOHINT_HAN) | set(LATIN_1)
    with open(path, encoding="utf-8") as listing:
        for line in listing:
            if not line.startswith("#"):
                chars |= set(line.strip()) - {" "}
    return "".join(sorted(chars))


def main():
    listing, out = sys.argv[1], sys.argv[2]
    text = characters(listing)
    # The collection's glyph headers hold bounding boxes that differ from the outlines, and FreeType places a glyph
    # by its stored box: recomputed boxes would move many glyphs by a pixel.
    font = TTFont(UMING, fontNumber=FACE, recalcBBoxes=False, recalcTimestamp=False)
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
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = FAMILY.replace(" ", "")
        elif record.nameID == 3:
            record.string = FAMILY + ": subset of AR PL UMing CN"
    # The Arphic Public License asks for a prominent notice of how and when a modified font was changed; its text
    # goes with every copy (/usr/share/doc/fonts-arphic-uming/copyright). The date is the build's own
    # (SOURCE_DATE_EPOCH where the build sets it), so that a build can be repeated bit for bit.
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    when = datetime.datetime.fromtimestamp(int(epoch) if epoch else datetime.datetime.now().timestamp(),
                                           datetime.timezone.utc).date()
    notice = (f"Modified {when.isoformat()} from AR PL UMing CN (fonts-arphic-uming): reduced to the {len(text)} "
              f"characters Sumora draws and renamed {FAMILY}; glyphs, bitmaps and metrics unchanged. Distributed "
              "under the Arphic Public License.")
    font["name"].setName(notice, 10, 3, 1, 0x409)
    font["name"].setName(notice, 10, 1, 0, 0)
    font.save(out)
    print(f"{out}: {len(text)} characters, {font['maxp'].numGlyphs} glyphs, {os.path.getsize(out)} bytes")


if __name__ == "__main__":
    main()
