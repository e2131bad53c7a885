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


# The command bar's picture sizes: 16 pixels at 100 % display scale, 24 at
# 150 %, 32 at 200 %.
TOOLBAR_SIZES = (16, 24, 32)


class ScaledDraw:
    """Draws on a 16-pixel grid onto a larger picture: each grid pixel covers
    size / 16 pixels, so the larger pictures are drawn anew, not stretched."""

    def __init__(self, draw, scale):
        self.d, self.k = draw, scale

    def _point(self, x, y):
        return ((x + 0.5) * self.k - 0.5, (y + 0.5) * self.k - 0.5)

    def _box(self, box):
        x0, y0, x1, y1 = box
        return [x0 * self.k, y0 * self.k, (x1 + 1) * self.k - 1, (y1 + 1) * self.k - 1]

    def polygon(self, points, **kw):
        self.d.polygon([self._point(x, y) for x, y in points], **kw)

    def rectangle(self, box, **kw):
        self.d.rectangle(self._box(box), **kw)

    def ellipse(self, box, **kw):
        self.d.ellipse(self._box(box), **kw)

    def arc(self, box, start, end, width=1, **kw):
        self.d.arc(self._box(box), start, end, width=max(1, round(width * self.k)), **kw)

    def line(self, points, width=1, **kw):
        self.d.line([self._point(x, y) for x, y in points], width=max(1, round(width * self.k)), **kw)


def toolbar_icon(draw):
    """The command bar's pictures at each size: pixels fully opaque or fully
    transparent, so that image lists without alpha (Windows 2000) show them
    alike."""
    images = []
    for size in TOOLBAR_SIZES:
        img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
        draw(ScaledDraw(ImageDraw.Draw(img), size / 16))
        images.append(img)
    return images


def open_icon(d):
    """An open folder."""
    d.polygon([(1, 3), (5, 3), (6, 4), (12, 4), (12, 6), (1, 6)], fill=(200, 150, 40, 255))
    d.rectangle([1, 6, 12, 13], fill=(200, 150, 40, 255), outline=(120, 80, 10, 255))
    d.polygon([(3, 8), (15, 8), (12, 13), (1, 13)], fill=(250, 210, 90, 255), outline=(120, 80, 10, 255))


def save_icon(d):
    """A diskette."""
    d.rectangle([1, 1, 14, 14], fill=(40, 70, 150, 255), outline=(20, 35, 80, 255))
    d.rectangle([4, 2, 11, 6], fill=(235, 235, 235, 255))
    d.rectangle([9, 3, 10, 5], fill=(40, 70, 150, 255))
    d.rectangle([3, 9, 12, 14], fill=(250, 250, 250, 255), outline=(20, 35, 80, 255))
    d.line([(5, 11), (10, 11)], fill=(150, 150, 150, 255))


def rotate_icon(clockwise):
    """Most of a circle, travelled clockwise to an arrow head at the top;
    mirrored for the counter-clockwise turn."""
    def draw(d):
        colour = (30, 130, 60, 255)
        d.arc([1, 2, 14, 15], 310, 250, fill=colour, width=2)
        d.polygon([(4, 0), (4, 6), (7, 3)], fill=colour)
    images = toolbar_icon(draw)
    return images if clockwise else [img.transpose(Image.Transpose.FLIP_LEFT_RIGHT) for img in images]


def info_icon(d):
    """A blue disc with a white i."""
    d.ellipse([0, 0, 15, 15], fill=(40, 100, 200, 255), outline=(20, 50, 120, 255))
    d.rectangle([7, 3, 8, 4], fill=(255, 255, 255, 255))
    d.rectangle([7, 6, 8, 12], fill=(255, 255, 255, 255))
    d.line([(6, 6), (7, 6)], fill=(255, 255, 255, 255))
    d.line([(6, 12), (9, 12)], fill=(255, 255, 255, 255))


def main():
    os.makedirs(OUT, exist_ok=True)
    # Each size is drawn at its own scale rather than shrunk from the largest;
    # BMP entries, since systems before Vista cannot read PNG icons.
    app_icon(48).save(os.path.join(OUT, "app.ico"), sizes=[(16, 16), (32, 32), (48, 48)],
                      append_images=[app_icon(16), app_icon(32)], bitmap_format="bmp")
    toolbar = {
        "open.ico": toolbar_icon(open_icon),
        "save.ico": toolbar_icon(save_icon),
        "rotate_ccw.ico": rotate_icon(False),
        "rotate_cw.ico": rotate_icon(True),
        "info.ico": toolbar_icon(info_icon),
    }
    for name, images in toolbar.items():
        # Saved from the largest: sizes above the first picture's are dropped.
        images[-1].save(os.path.join(OUT, name), sizes=[(size, size) for size in TOOLBAR_SIZES],
                        append_images=images[:-1], bitmap_format="bmp")


if __name__ == "__main__":
    main()
