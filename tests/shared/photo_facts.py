#!/usr/bin/python3
"""Photos carrying facts, made and read back independently of the program.

  photo_facts.py make PATH     a 1200x800 JPEG as a phone writes it: date, camera,
                               GPS position, serial number, description,
                               thumbnail and an RGB colour profile
  photo_facts.py read PATH SOURCE
                               one line of the facts a JPEG carries; its profile
                               compared with the SOURCE photo's
"""
import io
import struct
import sys

from PIL import Image, ImageCms

def tiff_directory(entries, start, next_directory=0):
    """A big-endian TIFF directory at `start` with its out-of-line values after it."""
    head = struct.pack(">H", len(entries))
    data = b""
    data_start = start + 2 + 12 * len(entries) + 4
    for tag, kind, count, value in entries:
        if len(value) <= 4:
            head += struct.pack(">HHI", tag, kind, count) + value.ljust(4, b"\0")
        else:
            head += struct.pack(">HHII", tag, kind, count, data_start + len(data))
            data += value + (b"\0" if len(value) % 2 else b"")
    return head + struct.pack(">I", next_directory) + data


def ascii_(tag, text):
    value = text.encode() + b"\0"
    return (tag, 2, len(value), value)


def long_(tag, number):
    return (tag, 4, 1, struct.pack(">I", number))


def exif_block(thumbnail):
    """Main, EXIF, GPS and thumbnail directories, laid out one after the other."""
    def layout(offsets):
        main = [ascii_(0x010E, "Our front door"), ascii_(0x010F, "Maker"), ascii_(0x0110, "Phone 12"),
                (0x0112, 3, 1, struct.pack(">H", 1)), ascii_(0x0132, "2026:07:01 10:00:00"),
                long_(0x8769, offsets[1]), long_(0x8825, offsets[2])]
        exif = [ascii_(0x9003, "2026:07:01 09:59:58"), ascii_(0xA431, "SN-0042")]
        gps = [ascii_(0x0001, "N"), (0x0002, 5, 3, struct.pack(">6I", 52, 1, 31, 1, 0, 1))]
        ifd1 = [long_(0x0201, offsets[4]), long_(0x0202, len(thumbnail))]
        parts = [tiff_directory(main, offsets[0], offsets[3]), tiff_directory(exif, offsets[1]),
                 tiff_directory(gps, offsets[2]), tiff_directory(ifd1, offsets[3])]
        return parts
    offsets = [8, 0, 0, 0, 0]
    for _ in range(2):  # the second pass has every offset right
        parts = layout(offsets)
        at = 8
        for i, part in enumerate(parts):
            offsets[i] = at
            at += len(part)
        offsets[4] = at
    return b"MM\0*" + struct.pack(">I", 8) + b"".join(layout(offsets)) + thumbnail


def make(path):
    photo = Image.new("RGB", (1200, 800), (200, 60, 40))
    photo.paste((30, 90, 200), (600, 0, 1200, 800))
    small = io.BytesIO()
    photo.resize((160, 107)).save(small, "JPEG")
    profile = ImageCms.ImageCmsProfile(ImageCms.createProfile("sRGB")).tobytes()
    photo.save(path, "JPEG", quality=90, exif=b"Exif\0\0" + exif_block(small.getvalue()), icc_profile=profile)


def read(path, source):
    photo = Image.open(path)
    exif = photo.getexif()
    details = exif.get_ifd(0x8769)
    raw = photo.info.get("exif", b"")
    facts = {
        "size": "%dx%d" % photo.size,
        "make": exif.get(0x010F), "model": exif.get(0x0110), "taken": details.get(0x9003),
        "description": exif.get(0x010E), "orientation": exif.get(0x0112), "serial": details.get(0xA431),
        "gps": bool(exif.get_ifd(0x8825)) or 0x8825 in exif,
        "thumbnail": b"\xff\xd8" in raw,
        "profile": "none" if "icc_profile" not in photo.info
        else "same" if photo.info["icc_profile"] == Image.open(source).info.get("icc_profile") else "other",
    }
    print(" ".join("%s=%s" % item for item in facts.items()))


if __name__ == "__main__":
    {"make": make, "read": read}[sys.argv[1]](*sys.argv[2:])
