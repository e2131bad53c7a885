#!/usr/bin/python3
"""Draws the program's icons (committed under src/win/resources/).

Run again after changing a drawing: /usr/bin/python3 scripts/make-art.py
"""
import os
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "src", "win", "resources")


def app_icon(size):
    """A photo (sky, sun, hills) with a resize arrow across its corner."""
    s = size / 32.0
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([1 * s, 4 * s, 30 * s, 27 * s], fill=(255, 255, 255, 255), outline=(40, 60, 90, 255))
    d.rectangle([3 * s, 6 * s, 28 * s, 25 * s], fill=(120, 180, 235, 255))
    d.ellipse([19 * s, 8 * s, 25 * s, 14 * s], fill=(255, 210, 60, 255))
    d.polygon([(3 * s, 25 * s), (11 * s, 14 * s), (18 * s, 25 * s)], fill=(60, 140, 70, 255))
    d.polygon([(12 * s, 25 * s), (20 * s, 17 * s), (28 * s, 25 * s)], fill=(40, 110, 55, 255))
    w = max(1, round(2 * s))
    d.line([(17 * s, 29 * s), (30 * s, 16 * s)], fill=(200, 40, 40, 255), width=w)
    d.polygon([(30 * s, 16 * s), (30 * s, 22 * s), (24 * s, 16 * s)], fill=(200, 40, 40, 255))
    d.polygon([(17 * s, 29 * s), (17 * s, 23 * s), (23 * s, 29 * s)], fill=(200, 40, 40, 255))
    return img


def main():
    os.makedirs(OUT, exist_ok=True)
    # Each size is drawn at its own scale rather than shrunk from the largest;
    # BMP entries, since systems before Vista cannot read PNG icons.
    app_icon(48).save(os.path.join(OUT, "app.ico"), sizes=[(16, 16), (32, 32), (48, 48)],
                      append_images=[app_icon(16), app_icon(32)], bitmap_format="bmp")


if __name__ == "__main__":
    main()
