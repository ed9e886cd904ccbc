#!/usr/bin/python3
"""Draws examples/sample.png: a house with a tree and the sun, 301 x 199,
with a fully transparent sky corner and a half-transparent sky band, so
a converted file shows at a glance whether it is upright, mirrored or has
lost its alpha channel."""
import os
from PIL import Image, ImageDraw

WIDTH, HEIGHT = 301, 199
here = os.path.dirname(os.path.abspath(__file__))
target = os.path.join(here, "..", "examples", "sample.png")

image = Image.new("RGBA", (WIDTH, HEIGHT), (0, 0, 0, 0))
draw = ImageDraw.Draw(image)

# Sky: opaque blue at the horizon fading to transparent at the top; the
# top-left corner stays fully transparent.
for y in range(0, 140):
    alpha = min(255, int(255 * y / 110))
    draw.line([(0, y), (WIDTH - 1, y)], fill=(120, 180, 240, alpha))
draw.polygon([(0, 0), (90, 0), (0, 60)], fill=(0, 0, 0, 0))

# Sun in the top-right corner.
draw.ellipse([235, 12, 285, 62], fill=(255, 210, 40, 255), outline=(240, 150, 20, 255), width=3)

# Grass.
draw.rectangle([0, 140, WIDTH - 1, HEIGHT - 1], fill=(70, 150, 60, 255))

# House: walls, red roof pointing up, door at the bottom, two windows.
draw.rectangle([60, 95, 170, 165], fill=(235, 215, 170, 255), outline=(90, 60, 30, 255), width=2)
draw.polygon([(50, 97), (115, 45), (180, 97)], fill=(190, 40, 30, 255), outline=(110, 20, 15, 255))
draw.rectangle([102, 125, 128, 165], fill=(120, 70, 30, 255))
draw.ellipse([121, 144, 125, 148], fill=(240, 200, 60, 255))
for left in (72, 140):
    draw.rectangle([left, 108, left + 20, 126], fill=(170, 210, 245, 255), outline=(90, 60, 30, 255), width=2)
# Chimney on the right slope.
draw.rectangle([145, 55, 157, 80], fill=(150, 60, 40, 255))

# Tree to the right of the house: trunk below a round crown.
draw.rectangle([222, 118, 234, 168], fill=(110, 70, 35, 255))
draw.ellipse([198, 72, 258, 132], fill=(40, 120, 45, 255), outline=(25, 85, 30, 255), width=2)

image.save(target, optimize=True)
print(os.path.normpath(target))
