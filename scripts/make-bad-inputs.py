#!/usr/bin/python3
"""Writes the corpus of bad and awkward inputs the hardening tests open.

    /usr/bin/python3 scripts/make-bad-inputs.py OUTPUT_FOLDER

Each file stands for something a user's disk really holds: a download cut
short, a file with the wrong extension, a header claiming a giant photo, a
panorama strip, a GIF with a transparent colour, a name outside the system
code page.
"""
import io
import os
import struct
import sys

from PIL import Image, ImageDraw


def photo(width, height):
    img = Image.new("RGB", (width, height), (70, 130, 200))
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, 0, max(0, width // 5), max(0, height // 5)], fill=(20, 20, 20))
    draw.line([(0, height - 1), (width - 1, 0)], fill=(240, 200, 40), width=max(1, min(width, height) // 20))
    return img


def jpeg_bytes(img, quality=85):
    out = io.BytesIO()
    img.save(out, "JPEG", quality=quality)
    return out.getvalue()


def gif_with_broken_data():
    out = io.BytesIO()
    photo(64, 48).convert("P").save(out, "GIF")
    data = bytearray(out.getvalue())
    # Keep the header, screen descriptor and colour table; scramble the
    # compressed image data after the image descriptor.
    start = data.index(b"\x2c") + 11
    for i in range(start, len(data) - 1):
        data[i] = (data[i] * 7 + 13) & 0xFF
    return bytes(data)


def bmp_claiming(width, height):
    row = (width * 3 + 3) & ~3
    image_size = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + (image_size & 0xFFFFFFFF), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size & 0xFFFFFFFF, 2835, 2835, 0, 0)
    return header + info + b"\x80" * 4096


def jpeg_claiming(width, height):
    data = bytearray(jpeg_bytes(photo(16, 16)))
    # The baseline frame header: marker, length, precision, height, width.
    frame = data.index(b"\xff\xc0")
    struct.pack_into(">HH", data, frame + 5, height, width)
    return bytes(data)


def transparent_gif():
    img = Image.new("P", (120, 90), 0)
    img.putpalette([255, 0, 255] + [30, 120, 60] + [0, 0, 0] * 254)
    draw = ImageDraw.Draw(img)
    draw.ellipse([20, 10, 100, 80], fill=1)
    out = io.BytesIO()
    img.save(out, "GIF", transparency=0)
    return out.getvalue()


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    good = jpeg_bytes(photo(800, 600))
    files = {
        "zero-bytes.jpg": b"",
        "truncated.jpg": good[: len(good) * 2 // 5],
        "text-file.jpg": b"This is a note, not a photo.\r\n" * 20,
        "broken-data.gif": gif_with_broken_data(),
        "claims-60000x60000.bmp": bmp_claiming(60000, 60000),
        "claims-65535x65535.jpg": jpeg_claiming(65535, 65535),
        "one-pixel.jpg": jpeg_bytes(photo(1, 1)),
        "strip-1x20000.jpg": jpeg_bytes(photo(1, 20000)),
        "transparent.gif": transparent_gif(),
        "\u0444\u043e\u0442\u043e_\u5199\u771f.jpg": good,
        "good.jpg": good,
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
