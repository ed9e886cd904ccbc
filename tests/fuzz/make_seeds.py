#!/usr/bin/python3
"""Writes the seed corpus of each fuzz target into corpus/<target>/.

A handful of seeds each: the fuzzers find the rest. Run it again after
changing it and commit what it writes.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(width, height, depth, colour, channels, extra=b"", interlace=0):
    row_bytes = (width * channels * depth + 7) // 8
    raw = b"".join(b"\0" + bytes((x * 31 + y * 17) & 0xFF for x in range(row_bytes)) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", zlib.compress(raw)) +
            chunk(b"IEND", b""))


# The settings block of the stages target, field by field in its order:
# b one byte, h two, i four (little-endian), f a float, c a colour (kind
# byte, then red, green, blue; kinds from 247 on pick a malformed colour),
# t16 sixteen bytes of text.
STAGE_FIELDS = [
    ("rotate", "b"), ("rotate_type", "b"), ("angle", "h"), ("rotate_back", "c"),
    ("resize", "b"), ("width_unit", "b"), ("width", "i"), ("height_unit", "b"), ("height", "i"),
    ("keep_aspect", "b"), ("resize_type", "b"), ("algorithm", "b"), ("flip_h", "b"), ("flip_v", "b"),
    ("colours", "b"), ("brightness", "i"), ("contrast", "i"), ("gamma", "f"), ("invert", "b"),
    ("greyscale", "b"), ("threshold", "b"), ("level", "i"),
    ("frame", "b"), ("left", "i"), ("right", "i"), ("top", "i"), ("bottom", "i"),
    ("left_colour", "c"), ("right_colour", "c"), ("top_colour", "c"), ("bottom_colour", "c"),
    ("frame_opacity", "i"),
    ("watermark", "b"), ("text", "t16"), ("font_size", "b"), ("leading", "h"), ("font_colour", "c"),
    ("font_style", "b"), ("font_effect", "b"), ("antialias", "b"), ("alignment", "b"), ("padding", "h"),
    ("text_opacity", "i"), ("back_colour", "c"), ("back_opacity", "i"), ("text_boundary", "b"),
    ("text_position", "b"), ("text_x", "i"), ("text_y", "i"), ("text_rotation", "i"),
    ("picture", "b"), ("picture_grey", "b"), ("picture_opacity", "i"), ("picture_boundary", "b"),
    ("picture_position", "b"), ("picture_x", "i"), ("picture_y", "i"), ("picture_rotation", "i"),
    ("auto_depth", "b"), ("depth", "h"),
]


def stage_settings(**values):
    """The settings block with the given fields, the rest zero (off)."""
    values.setdefault("auto_depth", 1)
    out = b""
    for name, kind in STAGE_FIELDS:
        value = values.pop(name, "" if kind == "t16" else 0)
        if kind == "b":
            out += struct.pack("<b", value) if isinstance(value, int) else value
        elif kind == "h":
            out += struct.pack("<h", value)
        elif kind == "i":
            out += struct.pack("<i", value)
        elif kind == "f":
            out += struct.pack("<f", value)
        elif kind == "c":
            out += value if isinstance(value, bytes) else struct.pack(">I", value)
        else:
            out += value.encode("latin-1").ljust(16, b"\0")[:16]
    assert not values, values
    return out


SEEDS = {
    "command_line": {
        "convert": b"-i\0a.png\0-o\0out",
        "quoted": b"-i\0\"c:\\my\0pictures\\a.png\"\0-q",
        "help": b"-h",
        "options": b"--brightness=-20\0--gamma=1.5\0--width=10\0--flip-horizontal\0-d\0-p",
        "refused": b"-i\0a.png\0--width",
        "mask": b"--INPUT=a.png\0--filename-mask=%n%_%rnd%.%ext%\0-c\0psd",
    },
    "preferences": {
        "transform": b"\xef\xbb\xbf\r\n[Transform]\r\nImage Width = 100\r\nDo Image Resize = 1\r\n",
        "latin1": b"[Watermark]\nText=caf\xe9 %filename%\nFont Size=-5\n; comment\n",
        "numbers": b"[Color]\nImage Gamma=NaN\nImage Brightness=99999999999\n[Advanced]\nFilename Mask=x\n",
        "groups": b"  [Main\n=\nkey\n[]\n[main]\nIsMaximized = 300\n",
    },
    "option_values": {
        "decimal": b"42",
        "hex": b"$7fffffff",
        "binary": b"%1011",
        "overflow": b"  -2147483649",
        "real": b"1.5e3",
        "infinity": b"-Infinity",
        "keyword": b" lanczos ",
    },
    "naming": {
        "default": b"%filename%.%ext%",
        "cases": b"%FILENAME[U]%_%Ext%",
        "counters": b"%n%_%rnd%.%ext%\0/p/a%n%.png",
        "date": b"%yyyy%-%mm%-%dd%_%hh%%ii%%ss%.%ext%",
        "percent": b"100% free",
        "title": b"%filename[t]%.%ext[u]% %width%x%height% %bpp%\0hOLIDAY.b.png",
    },
    "pipeline": {
        "rgb8": png(16, 16, 8, 2, 3),
        "palette4": png(7, 5, 4, 3, 1, extra=chunk(b"PLTE", bytes(range(48)))),
        "grey16": png(9, 4, 16, 0, 1),
        "rgba16": png(3, 3, 16, 6, 4),
        "grey_alpha_interlaced": png(11, 13, 8, 4, 2, interlace=1),
        "grey1_trns": png(17, 2, 1, 0, 1, extra=chunk(b"tRNS", b"\0\1")),
    },
    "stages": {
        "defaults": stage_settings() + png(16, 16, 8, 2, 3),
        "rotate_resize": stage_settings(rotate=1, angle=33, rotate_back=0x00FF8040, resize=1, width=150,
                                        width_unit=1, height=20, keep_aspect=1, algorithm=5, flip_h=1) +
        png(12, 9, 8, 6, 4),
        "rotate_advanced": stage_settings(rotate=1, rotate_type=1, angle=271, resize=1, width=0, height=-5,
                                          algorithm=9, flip_v=1) + png(7, 5, 4, 3, 1, extra=chunk(b"PLTE", bytes(range(48)))),
        "colours": stage_settings(colours=1, brightness=-40, contrast=250, gamma=float("nan"), invert=1,
                                  greyscale=1, threshold=1, level=300) + png(9, 4, 16, 0, 1),
        "frame": stage_settings(frame=1, left=3, right=-2, top=40, bottom=0, left_colour=0x00FF0000,
                                right_colour=0xF7000000, top_colour=0x0100FF00, bottom_colour=0x000000FF,
                                frame_opacity=128, depth=8, auto_depth=0) + png(20, 30, 8, 4, 2),
        "text": stage_settings(watermark=1, text="Mark%eol%%width%", font_size=12, leading=-3,
                               font_colour=0x00FFFFFF, font_style=3, font_effect=1, antialias=1, alignment=1,
                               padding=4, text_opacity=200, back_colour=0x00000080, back_opacity=90,
                               text_position=8, text_x=2, text_y=-1, text_rotation=45) + png(64, 40, 8, 2, 3),
        "text_plain": stage_settings(watermark=1, text="abc", font_size=9, alignment=2, padding=2,
                                     text_opacity=255, back_opacity=255, frame=1, left=5, right=5, top=5,
                                     bottom=5, frame_opacity=255, text_boundary=1, text_position=4,
                                     text_x=-2147483648) + png(50, 50, 8, 2, 3),
        "text_wide_padding": stage_settings(watermark=1, text="abc", font_size=9, font_effect=2, padding=767,
                                            back_colour=0x00001100, text_x=-2147483648, frame=1, left=5, right=5,
                                            top=5, bottom=5, frame_opacity=255) + png(50, 50, 8, 2, 3),
        "picture": stage_settings(watermark=2, picture=0, picture_grey=1, picture_opacity=180,
                                  picture_position=2, picture_x=1, picture_y=1, picture_rotation=90,
                                  depth=16, auto_depth=0) + png(30, 20, 8, 6, 4),
        "picture_bmp": stage_settings(watermark=2, picture=2, picture_opacity=255, picture_position=4,
                                      depth=1, auto_depth=0) + png(17, 2, 1, 0, 1, extra=chunk(b"tRNS", b"\0\1")),
    },
}


def main():
    for target, seeds in SEEDS.items():
        folder = os.path.join(HERE, "corpus", target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
