# Pixels and texts on the screen: screenshots, Qt's translations read from its .qm files, menus read by OCR.
import os
import re
import subprocess
import struct
import tempfile

from xbase import run


class Image:
    """A screenshot of one window's client area, read from a binary PPM."""

    def __init__(self, data):
        fields = []
        position = 0
        # Header: P6, width, height, maximum, each separated by white space (comments are not used by import).
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            start = position
            while not data[position:position + 1].isspace():
                position += 1
            fields.append(data[start:position])
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("not an 8-bit binary PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[position + 1:position + 1 + 3 * self.width * self.height]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])



def screenshot(window):
    data = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"], capture_output=True,
                          check=True, timeout=20).stdout
    return Image(data)



def hex_colour(rgb):
    return "#%02X%02X%02X" % rgb



QT_TRANSLATIONS = "/usr/share/qt6/translations"  # QLibraryInfo::TranslationsPath of Debian's Qt 6



def _elf_hash(data):
    # The hash Qt's translation files index their messages by (source text followed by comment, UTF-8).
    value = 0
    for byte in data:
        value = ((value << 4) + byte) & 0xFFFFFFFF
        high = value & 0xF0000000
        if high:
            value ^= high >> 24
        value &= ~high & 0xFFFFFFFF
    return value or 1



def qt_translation(context, source, catalogue="qtbase_zh_CN.qm", comment=""):
    """What a Qt translation file (.qm) says for one message, or None when it has none for that context.

    The file is a 16-byte magic followed by blocks (tag byte, 32-bit big-endian length): 0x42 holds sorted pairs of
    (hash, offset into the messages), 0x69 the messages, each a list of tagged fields ending in tag 1: 3 the
    translation (UTF-16BE), 6 the source text, 7 the context, 8 the comment (UTF-8), 5 four bytes of nothing.
    """
    with open(os.path.join(QT_TRANSLATIONS, catalogue), "rb") as file:
        data = file.read()
    if data[:16] != bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd"):
        raise ValueError(f"{catalogue} is not a Qt translation file")
    blocks, position = {}, 16
    while position < len(data):
        tag, length = data[position], struct.unpack(">I", data[position + 1:position + 5])[0]
        blocks[tag] = data[position + 5:position + 5 + length]
        position += 5 + length
    hashes, messages = blocks.get(0x42, b""), blocks.get(0x69, b"")
    wanted = _elf_hash((source + comment).encode())
    for entry in range(0, len(hashes), 8):
        value, offset = struct.unpack(">II", hashes[entry:entry + 8])
        if value != wanted:
            continue
        fields, translation, position = {}, None, offset
        while messages[position] != 1:
            tag = messages[position]
            position += 1
            if tag == 5:
                position += 4
                continue
            length = struct.unpack(">I", messages[position:position + 4])[0]
            position += 4
            if length == 0xFFFFFFFF:  # a null translation
                continue
            if tag == 3 and translation is None:
                translation = messages[position:position + length].decode("utf-16-be")
            elif tag in (6, 7, 8):
                fields[tag] = messages[position:position + length].decode()
            position += length
        # Fields a compressed file left out match anything.
        if fields.get(6, source) == source and fields.get(7, context) == context and fields.get(8, comment) == comment:
            return translation
    return None



def without_mnemonic(text):
    """A menu or button text as shown: "撤消(&U)" reads "撤消(U)", "Cu&t" reads "Cut"."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")



def write_ppm(path, image, box):
    """Writes the part box = (x0, y0, x1, y1) of an Image as a binary PPM."""
    x0, y0, x1, y1 = box
    rows = [image.pixels[3 * (y * image.width + x0):3 * (y * image.width + x1)] for y in range(y0, y1)]
    with open(path, "wb") as file:
        file.write(f"P6\n{x1 - x0} {y1 - y0}\n255\n".encode() + b"".join(rows))



def menu_entries(image, scale=1):
    """The entries of a popup menu screenshot, top to bottom, as boxes around their texts (without shortcuts).

    Ink is any pixel darker than grey 200 (Qt greys disabled entries to 149). Rows of ink lower than 4 px a scale
    unit are separators. Within a row, the text ends at the first gap wider than 10 px a scale unit: the shortcut
    column starts far to the right, while the gap inside "撤消(U)" is a few pixels.
    """
    border = 3 * scale

    def ink(px, py):
        return min(image.at(px, py)) < 200

    rows, start = [], None
    for py in range(border, image.height - border + 1):
        dark = py < image.height - border and any(ink(px, py) for px in range(border, image.width - border))
        if dark and start is None:
            start = py
        elif not dark and start is not None:
            if py - start >= 4 * scale:
                rows.append((start, py))
            start = None
    entries = []
    for top, bottom in rows:
        columns = [px for px in range(border, image.width - border)
                   if any(ink(px, py) for py in range(top, bottom))]
        left = right = columns[0]
        for px in columns:
            if px - right > 10 * scale:
                break
            right = px
        pad = 3 * scale
        entries.append((max(left - pad, 0), max(top - pad, 0), min(right + 1 + pad, image.width),
                        min(bottom + pad, image.height)))
    return entries



def ocr_line(image, box, language="chi_sim", enlarge=None):
    """Tesseract's reading of one line of text inside box, as one string without white space.

    enlarge (e.g. "200%") has ImageMagick resize the line first, which reads some glyphs better and others worse.
    """
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "line.ppm")
        write_ppm(path, image, box)
        if enlarge:
            run("convert", path, "-resize", enlarge, path)
        out = run("tesseract", path, "stdout", "-l", language, "--psm", "7", timeout=20)
    return re.sub(r"\s+", "", out)
