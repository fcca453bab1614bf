#!/usr/bin/env python3
"""Encode rendered PNGs into the exact image formats the program ships.

rsvg-convert does the drawing; this file only turns its RGBA PNG output into
24-bit BMPs, GIF89a files with a transparent colour, and a two-image ICO.
The encoders are written out by hand (standard library only) because the
resource loader and the unit test depend on precise header fields, and
generic converters tend to pick their own depth, compression or palette size.

Usage:
  render_assets.py bmp  IN.png OUT.bmp
  render_assets.py gif  IN.png OUT.gif
  render_assets.py ico  IN.png OUT.ico     (IN must be 24 x 24)
"""

import struct
import sys
import zlib

WHITE = (255, 255, 255)

# Pixels at least this opaque are kept when an image has to become binary
# transparent (GIF, 8-bit icon); fainter anti-aliasing fringes are dropped.
GIF_ALPHA_CUTOFF = 64
ICO_ALPHA_CUTOFF = 128


# --------------------------------------------------------------------------
# PNG input (only what rsvg-convert writes: 8-bit RGB/RGBA, not interlaced)

def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos = 8
    idat = b""
    width = height = None
    color_type = None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, color_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or color_type not in (2, 6) or interlace != 0:
                raise ValueError(f"{path}: unsupported PNG layout")
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    bpp = 4 if color_type == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows = []
    prev = bytearray(stride)
    p = 0
    for _ in range(height):
        ftype = raw[p]
        line = bytearray(raw[p + 1:p + 1 + stride])
        p += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 255
            elif ftype == 2:
                line[i] = (line[i] + b) & 255
            elif ftype == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 255
            elif ftype == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pred = a if (pa <= pb and pa <= pc) else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 255
            elif ftype != 0:
                raise ValueError(f"{path}: bad PNG filter {ftype}")
        rows.append(line)
        prev = line
    pixels = []
    for line in rows:
        for x in range(width):
            px = line[x * bpp:(x + 1) * bpp]
            pixels.append(tuple(px) if bpp == 4 else tuple(px) + (255,))
    return width, height, pixels


def over_white(px):
    r, g, b, a = px
    return tuple((c * a + 255 * (255 - a) + 127) // 255 for c in (r, g, b))


# --------------------------------------------------------------------------
# Palette reduction: exact when the artwork is simple enough, otherwise a
# weighted median cut.  Deterministic, so re-running gives identical files.

def build_palette(colors, limit):
    counts = {}
    for c in colors:
        counts[c] = counts.get(c, 0) + 1
    if len(counts) <= limit:
        return sorted(counts)
    boxes = [sorted(counts.items())]
    while len(boxes) < limit:
        best, best_score, best_axis = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for axis in range(3):
                vals = [c[axis] for c, _ in box]
                spread = max(vals) - min(vals)
                weight = sum(n for _, n in box)
                score = spread * weight
                if score > best_score:
                    best, best_score, best_axis = i, score, axis
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda cn: (cn[0][best_axis], cn[0]))
        total = sum(n for _, n in box)
        acc, cut = 0, 1
        for j, (_, n) in enumerate(box):
            acc += n
            if acc * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes.append(box[:cut])
        boxes.append(box[cut:])
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple((sum(c[k] * n for c, n in box) + total // 2) // total for k in range(3)))
    return sorted(set(palette))


def nearest(palette, cache, c):
    hit = cache.get(c)
    if hit is None:
        hit = min(range(len(palette)),
                  key=lambda i: (palette[i][0] - c[0]) ** 2 * 3 + (palette[i][1] - c[1]) ** 2 * 4
                  + (palette[i][2] - c[2]) ** 2 * 2)
        cache[c] = hit
    return hit


# --------------------------------------------------------------------------
# 24-bit BMP: BITMAPFILEHEADER + BITMAPINFOHEADER, BI_RGB, rows bottom-up,
# each row padded to a multiple of 4 bytes.  Transparency is flattened onto
# white because every bitmap is shown on the white main window.

def write_bmp(width, height, pixels, path):
    row_size = (width * 3 + 3) & ~3
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = over_white(pixels[y * width + x])
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        body += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + body)


# --------------------------------------------------------------------------
# GIF89a with one transparent palette slot, announced in a Graphic Control
# Extension.  Semi-transparent edges are pre-blended onto white, the
# background the logos are drawn over.

def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    eoi = clear + 1
    out = bytearray()
    bitbuf = 0
    nbits = 0

    def emit(code, size):
        nonlocal bitbuf, nbits
        bitbuf |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bitbuf & 255)
            bitbuf >>= 8
            nbits -= 8

    def reset():
        return {bytes((i,)): i for i in range(clear)}, min_code_size + 1, eoi + 1

    table, size, next_code = reset()
    emit(clear, size)
    prefix = b""
    for idx in indices:
        candidate = prefix + bytes((idx,))
        if candidate in table:
            prefix = candidate
            continue
        emit(table[prefix], size)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            # The decoder learns each code one step later than we do, so
            # widen only once the code just assigned no longer fits.
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, size, next_code = reset()
        prefix = bytes((idx,))
    if prefix:
        emit(table[prefix], size)
    emit(eoi, size)
    if nbits:
        out.append(bitbuf & 255)
    return bytes(out)


def write_gif(width, height, pixels, path):
    opaque = [over_white(p) if p[3] >= GIF_ALPHA_CUTOFF else None for p in pixels]
    palette = build_palette([c for c in opaque if c is not None], 255)
    transparent = len(palette)
    # Keep the transparent slot white too, so viewers that ignore the flag
    # still show the logo on white.
    table_colors = palette + [WHITE]
    bits = 1
    while (1 << bits) < len(table_colors):
        bits += 1
    table_colors += [(0, 0, 0)] * ((1 << bits) - len(table_colors))
    cache = {}
    indices = [transparent if c is None else nearest(palette, cache, c) for c in opaque]

    min_code = max(2, bits)
    data = lzw_encode(indices, min_code)
    blocks = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        blocks += bytes((len(chunk),)) + chunk
    blocks += b"\0"

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | ((bits - 1) << 4) | (bits - 1), transparent, 0)
    for c in table_colors:
        out += bytes(c)
    # Graphic Control Extension: no disposal, transparency flag set.
    out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, transparent, 0)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    out += bytes((min_code,)) + blocks
    out += b"\x3B"
    with open(path, "wb") as f:
        f.write(out)


# --------------------------------------------------------------------------
# ICO with two 24 x 24 images: a 256-colour DIB for old/low-colour shells and
# a 32-bit BGRA DIB with alpha.  Both carry the 1-bit AND mask, whose height
# is counted in the doubled biHeight.

def and_mask(width, height, transparent):
    row_size = ((width + 31) // 32) * 4
    mask = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(row_size)
        for x in range(width):
            if transparent[y * width + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def dib_8bpp(width, height, pixels):
    clear = [p[3] < ICO_ALPHA_CUTOFF for p in pixels]
    # Opaque pixels keep their own colour rather than a white blend: the icon
    # is shown on dark task bars as well as on white.
    colors = [p[:3] for p, t in zip(pixels, clear) if not t]
    palette = build_palette(colors, 255)
    # Slot 0 is black: transparent pixels use it so AND/XOR leaves the
    # screen untouched.
    palette = [(0, 0, 0)] + palette
    palette += [(0, 0, 0)] * (256 - len(palette))
    cache = {}
    lookup = palette[1:]
    row_size = (width + 3) & ~3
    xor = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(row_size)
        for x in range(width):
            i = y * width + x
            row[x] = 0 if clear[i] else 1 + nearest(lookup, cache, pixels[i][:3])
        xor += row
    mask = and_mask(width, height, clear)
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return info + table + bytes(xor) + mask


def dib_32bpp(width, height, pixels):
    xor = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b, a = pixels[y * width + x]
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
    mask = and_mask(width, height, [p[3] == 0 for p in pixels])
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask


def write_ico(width, height, pixels, path):
    if (width, height) != (24, 24):
        raise ValueError("the program icon is drawn for 24 x 24")
    images = [(8, dib_8bpp(width, height, pixels)), (32, dib_32bpp(width, height, pixels))]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for bpp, dib in images:
        # bColorCount is 0 for 256 colours or more.
        out += struct.pack("<BBBBHHII", width, height, 0, 0, 1, bpp, len(dib), offset)
        offset += len(dib)
    for _, dib in images:
        out += dib
    with open(path, "wb") as f:
        f.write(out)


def main(argv):
    if len(argv) != 4 or argv[1] not in ("bmp", "gif", "ico"):
        sys.stderr.write(__doc__)
        return 2
    width, height, pixels = read_png(argv[2])
    {"bmp": write_bmp, "gif": write_gif, "ico": write_ico}[argv[1]](width, height, pixels, argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
