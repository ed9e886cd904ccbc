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
