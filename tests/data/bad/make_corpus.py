#!/usr/bin/python3
"""Writes the hostile PNG inputs of the end-to-end tests into this folder.

Run it again after changing it and commit the files it writes. Inputs that
are large or need odd names (a folder called x.png, a name that is not
UTF-8, a 4000-character path, a 6000 x 6000 image) are made by the tests
at run time instead.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunk(kind, data, crc=None, length=None):
    """One chunk; crc and length can be forced to wrong values."""
    if crc is None:
        crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    if length is None:
        length = len(data)
    return struct.pack(">I", length) + kind + data + struct.pack(">I", crc)


def ihdr(width, height, depth=8, colour=2):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, 0))


def rows(width, height, bytes_per_pixel):
    """Filter byte 0 and a simple gradient for each row."""
    out = bytearray()
    for y in range(height):
        out.append(0)
        for x in range(width * bytes_per_pixel):
            out.append((x * 7 + y * 13) & 0xFF)
    return bytes(out)


def png(width=4, height=4, depth=8, colour=2, bytes_per_pixel=3, idat=None):
    if idat is None:
        idat = zlib.compress(rows(width, height, bytes_per_pixel))
    return SIGNATURE + ihdr(width, height, depth, colour) + chunk(b"IDAT", idat) + chunk(b"IEND", b"")


def main():
    good = png(16, 16)
    # A big enough image that cutting its IDAT leaves real pixel data behind.
    wide = png(64, 64, idat=zlib.compress(rows(64, 64, 3), 0))
    idat_start = len(SIGNATURE) + 25
    files = {
        # The two images the broken ones are cut from, whole: both convert.
        "control_16x16.png": good,
        "control_64x64.png": wide,
        "empty.png": b"",
        "signature_only.png": SIGNATURE,
        "truncated_in_ihdr.png": good[: len(SIGNATURE) + 8 + 6],
        "truncated_in_idat.png": wide[: idat_start + 8 + 2000],
        "bad_crc_ihdr.png": SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0),
                                              crc=0x12345678) + good[idat_start:],
        "bad_crc_idat.png": SIGNATURE + ihdr(16, 16) +
                            chunk(b"IDAT", zlib.compress(rows(16, 16, 3)), crc=0) + chunk(b"IEND", b""),
        "huge_100000x100000.png": png(100000, 100000, idat=zlib.compress(b"\0" * 64)),
        "zero_by_zero.png": png(0, 0, idat=zlib.compress(b"")),
        "zero_width.png": png(0, 16, idat=zlib.compress(b"\0" * 16)),
        # Colour type and bit depth pairs that PNG does not allow.
        "rgb_depth_1.png": png(4, 4, depth=1, colour=2, idat=zlib.compress(b"\0" * 8)),
        "palette_depth_16.png": png(4, 4, depth=16, colour=3, idat=zlib.compress(b"\0" * 40)),
        "grey_depth_3.png": png(4, 4, depth=3, colour=0, idat=zlib.compress(b"\0" * 8)),
        "rgba_depth_4.png": png(4, 4, depth=4, colour=6, idat=zlib.compress(b"\0" * 40)),
        "colour_type_1.png": png(4, 4, depth=8, colour=1, idat=zlib.compress(b"\0" * 20)),
        "colour_type_7.png": png(4, 4, depth=8, colour=7, idat=zlib.compress(b"\0" * 20)),
        # Chunk lengths at and just past the largest one PNG allows (2^31 - 1).
        "chunk_length_2e31_minus_1.png": SIGNATURE + ihdr(16, 16) +
                                         chunk(b"IDAT", b"\x78\x9c", length=0x7FFFFFFF),
        "chunk_length_2e31.png": SIGNATURE + ihdr(16, 16) + chunk(b"IDAT", b"\x78\x9c", length=0x80000000),
        "ihdr_length_2e31_minus_1.png": SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0),
                                                          length=0x7FFFFFFF),
        "text_renamed.png": b"This is a plain text file that was renamed to .png.\n" * 4,
    }
    for name, data in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
