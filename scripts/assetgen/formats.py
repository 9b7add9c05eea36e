"""Writers for the three file kinds the program loads: 24-bit BMP, CUR and ICO.

Pixels come in as rows, top row first: (r, g, b) for BMP, (r, g, b, a) for CUR/ICO.
Every writer stores rows bottom-up and pads each row to a multiple of 4 bytes, as the
Windows loaders and the program's own BMP reader expect.
"""

import struct


def _stride(width, bytes_per_pixel):
    return (width * bytes_per_pixel + 3) & ~3


def _check_rows(rows, width, height, channels):
    if len(rows) != height or any(len(row) != width for row in rows):
        raise ValueError("picture is not %d x %d" % (width, height))
    for row in rows:
        for px in row:
            if len(px) != channels or any(not 0 <= v <= 255 for v in px):
                raise ValueError("bad pixel %r" % (px,))


def bmp24(rows):
    """A 24-bit uncompressed bottom-up BMP file of the given rows."""
    height, width = len(rows), len(rows[0])
    _check_rows(rows, width, height, 3)
    stride = _stride(width, 3)
    body = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        body += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + bytes(body)


def _icon_image(rows):
    """One image of an icon or cursor: header (double height), BGRA rows, AND mask."""
    height, width = len(rows), len(rows[0])
    _check_rows(rows, width, height, 4)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, px in enumerate(row):
            # A set bit keeps the screen: the fallback shape for displays that ignore alpha.
            if px[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    info = struct.pack(
        "<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0
    )
    return info + bytes(xor) + bytes(mask)


def _container(kind, images):
    """ICONDIR (kind 1 icon, 2 cursor) followed by its entries and images.

    images: list of (rows, field1, field2) where the two fields are planes/bit count for
    an icon and the hotspot x/y for a cursor.
    """
    blobs = [_icon_image(rows) for rows, _, _ in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for (rows, f1, f2), blob in zip(images, blobs):
        w, h = len(rows[0]), len(rows)
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, f1, f2, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def ico(images):
    """An ICO file holding 32-bit images (each a list of RGBA rows)."""
    return _container(1, [(rows, 1, 32) for rows in images])


def cur(rows, hotspot):
    """A CUR file with one 32-bit image and its hotspot (x, y)."""
    return _container(2, [(rows, hotspot[0], hotspot[1])])
