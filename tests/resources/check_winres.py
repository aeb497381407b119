#!/usr/bin/env python3
"""Compiles the Windows resource script and checks the manifest, icon and version resources it holds."""
import argparse
import struct
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ET

ASM = "{urn:schemas-microsoft-com:asm.v1}"
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
CHINESE_PRC = 0x0804


def read_id(data, pos):
    """A resource type or name: an ordinal (0xFFFF, id) or a zero-terminated UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def read_res(data):
    """Every resource of a .res file as {(type, name, language): bytes}."""
    resources, pos = {}, 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        rtype, p = read_id(data, pos + 8)
        name, p = read_id(data, p)
        p = (p + 3) & ~3
        _version, _flags, language = struct.unpack_from("<IHH", data, p)
        body = pos + header
        if size:
            resources[(rtype, name, language)] = data[body:body + size]
        pos = (body + size + 3) & ~3
    return resources


class WindowsResources(unittest.TestCase):
    resources = {}

    def find(self, rtype, name):
        found = [v for (t, n, _l), v in self.resources.items() if t == rtype and n == name]
        self.assertEqual(len(found), 1, f"one resource of type {rtype} with id {name}")
        return found[0]

    def manifest(self):
        data = self.resources.get((RT_MANIFEST, 1, CHINESE_PRC))
        self.assertIsNotNone(data, "manifest: type 24, id 1, language 0x0804")
        return data

    def test_manifest_declaration(self):
        first_line = self.manifest().lstrip(b"\xef\xbb\xbf").split(b"?>")[0].decode()
        for attribute in ('version="1.0"', 'encoding="UTF-8"', 'standalone="yes"'):
            self.assertIn(attribute, first_line)

    def test_manifest_root_and_identity(self):
        root = ET.fromstring(self.manifest())
        self.assertEqual(root.tag, ASM + "assembly")
        self.assertEqual(root.get("manifestVersion"), "1.0")
        identity = root.find(ASM + "assemblyIdentity")
        self.assertEqual(
            (identity.get("version"), identity.get("processorArchitecture"), identity.get("type")),
            ("1.0.0.0", "X86", "win32"))
        self.assertTrue(identity.get("name"))
        self.assertTrue(root.find(ASM + "description").text.strip())

    def test_manifest_common_controls_dependency(self):
        root = ET.fromstring(self.manifest())
        dependencies = root.findall(ASM + "dependency")
        self.assertEqual(len(dependencies), 1)
        assemblies = dependencies[0].findall(ASM + "dependentAssembly")
        self.assertEqual(len(assemblies), 1)
        identity = assemblies[0].find(ASM + "assemblyIdentity")
        self.assertEqual(dict(identity.attrib), {
            "type": "win32",
            "name": "Microsoft.Windows.Common-Controls",
            "version": "6.0.0.0",
            "processorArchitecture": "X86",
            "publicKeyToken": "6595b64144ccf1df",
            "language": "*",
        })

    def test_icon_group_holds_a_16_colour_32_pixel_image(self):
        group = self.find(RT_GROUP_ICON, 1)
        _reserved, kind, count = struct.unpack_from("<HHH", group, 0)
        self.assertEqual((kind, count), (1, 1))
        width, height, colours, _r, _planes, bits, _size, icon_id = struct.unpack_from("<BBBBHHIH", group, 6)
        self.assertEqual((width, height), (32, 32))
        self.assertTrue(colours == 16 or bits == 4, f"{colours} colours, {bits} bits a pixel")
        self.find(RT_ICON, icon_id)

    def test_version_resource(self):
        info = self.find(RT_VERSION, 1)
        fixed = info.find(struct.pack("<I", 0xFEEF04BD))
        self.assertGreater(fixed, 0, "VS_FIXEDFILEINFO signature")
        (_sig, _struct, file_ms, file_ls, product_ms, product_ls, _mask, _flags, _os, file_type) = \
            struct.unpack_from("<10I", info, fixed)
        self.assertEqual((file_ms, file_ls, product_ms, product_ls), (0x10000, 0, 0x10000, 0))
        self.assertEqual(file_type, 1)
        text = info.decode("utf-16-le", errors="replace")
        self.assertIn("080404B0", text)
        self.assertIn("1.00", text)
        self.assertIn("口算练习", text)  # the Chinese strings survive the compiler's code page


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--windres", required=True)
    parser.add_argument("--rc", required=True)
    parser.add_argument("--out", required=True)
    args, rest = parser.parse_known_args()
    # The host preprocessor serves: the script includes no platform headers.
    subprocess.run([args.windres, "--preprocessor=cpp", "-i", args.rc, "-O", "res", "-o", args.out], check=True)
    with open(args.out, "rb") as res:
        WindowsResources.resources = read_res(res.read())
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
