"""Writes a 32 x 32 icon at 24 bits per pixel from raw RGBA on stdin.

ImageMagick only writes 32-bit icons from an image with transparency; the Windows resource
wants a 24-bit image, whose transparent corners go into the 1-bit AND mask instead.
"""
import struct
import sys

SIZE = 32
rgba = sys.stdin.buffer.read()
if len(rgba) != SIZE * SIZE * 4:
    sys.exit("ico24.py: expected 32 x 32 RGBA pixels")

xor_rows, and_rows = [], []
for y in range(SIZE):
    colour, mask_bits = bytearray(), 0
    for x in range(SIZE):
        r, g, b, a = rgba[(y * SIZE + x) * 4:(y * SIZE + x) * 4 + 4]
        transparent = a < 128
        colour += bytes((0, 0, 0)) if transparent else bytes((b, g, r))
        mask_bits = (mask_bits << 1) | int(transparent)
    xor_rows.append(bytes(colour))  # 96 bytes: already a multiple of four
    and_rows.append(struct.pack(">I", mask_bits))
# Bitmaps are stored bottom-up.
pixels = b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(pixels), 0, 0, 0, 0)
image = header + pixels
directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24,
                                                       len(image), 6 + 16)
sys.stdout.buffer.write(directory + image)
