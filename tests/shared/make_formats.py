#!/usr/bin/python3
"""Pictures in the formats GDI+ decodes for the program, into FOLDER.

  make_formats.py FOLDER

Each is 64 x 48 with its top-left quadrant apart: red on blue, except where named.
"""
import sys

from PIL import Image, TiffImagePlugin


def quadrant(mode, corner, rest):
    picture = Image.new(mode, (64, 48), rest)
    picture.paste(corner, (0, 0, 32, 24))
    return picture


def main(folder):
    red, blue = (255, 0, 0), (0, 0, 255)
    quadrant("RGBA", (0, 0, 0, 0), (255, 0, 0, 255)).save(folder + "/transparent.png")  # clear corner on red
    quadrant("RGB", red, blue).quantize(4).save(folder + "/palette.png")
    quadrant("L", 0, 128).save(folder + "/grey.png")
    quadrant("I;16", 0, 0x8080).save(folder + "/sixteen-bit.png")
    quadrant("RGB", red, blue).save(folder + "/named-wrongly.jpg", "PNG")
    second = Image.new("RGB", (32, 32), (0, 255, 0))
    quadrant("RGB", red, blue).save(folder + "/two-pages.tif", save_all=True, append_images=[second])
    tags = TiffImagePlugin.ImageFileDirectory_v2()
    tags[0x0112] = 6  # stored lying on its left side
    quadrant("RGB", red, blue).save(folder + "/turned.tiff", tiffinfo=tags)


if __name__ == "__main__":
    main(sys.argv[1])
