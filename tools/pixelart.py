#!/usr/bin/env python3
"""Turns Quorvane's pixel-art text sources (art/*.txt) into Windows .ico and .bmp files.

Usage:
  pixelart.py ico OUT.ico SOURCE.txt [SOURCE.txt ...]   one icon image per source (e.g. 32x32 + 16x16)
  pixelart.py bmp OUT.bmp SOURCE.txt                    uncompressed bitmap, 8-bit palette
  pixelart.py strip OUT.bmp SOURCE.txt [SOURCE.txt ...] the sources side by side, left to right,
                                                        in one bitmap, transparent = ff00ff

Source format (one image per file, UTF-8 text):

  # lines starting with '#' are comments; blank lines are ignored
  size 32 32                  width and height in pixels (1..256)
  palette
  . transparent               a character, then 'transparent' or an RRGGBB colour,
  k 202020 outline            then optional free text naming the colour
  pixels
  ..kkkk..                    exactly <height> rows of exactly <width> characters

Palette characters are single printable characters other than '#'. Icons carry 8-bit palette
pixels (transparent ones black) plus the 1-bit AND mask (bit set = transparent), all in classic
BITMAPINFOHEADER form so that every Windows version and Wine load them; an image of more than 256
colours carries 32-bit BGRA pixels (transparent ones with alpha 0) instead. Bitmaps have no
transparency: a source for a bitmap may not use a transparent palette entry.

A strip is one bitmap holding its sources in the order given (an image list's images, or a single
picture): they must all be as high as the first, and its width is the sum of their widths. Its
transparent pixels are written as magenta ff00ff, the key colour that the program masks out, so a
strip source may not give any opaque palette colour as exactly ff00ff (it would turn transparent).

Standard library only. Exits with status 1 and a message naming the file and line on a
malformed source, 2 on wrong usage.
"""

from __future__ import annotations

import os
import struct
import sys
import tempfile
from dataclasses import dataclass, field

MAX_SIDE = 256
TRANSPARENT = None  # palette value of the transparent entry
KEY_COLOUR = (255, 0, 255)  # a strip's transparent pixels: the image list's mask colour
BLACK = (0, 0, 0)


class PixelArtError(Exception):
    """A source file or a request that cannot be turned into an image."""


@dataclass
class Image:
    """A parsed source: pixels[y][x] is (r, g, b) or TRANSPARENT, row 0 at the top; palette maps
    each palette character to its value."""

    path: str
    width: int
    height: int
    pixels: list = field(default_factory=list)
    palette: dict = field(default_factory=dict)

    @property
    def has_transparency(self) -> bool:
        return any(p is TRANSPARENT for row in self.pixels for p in row)


def _parse_colour(text: str, where: str):
    if text.lower() == "transparent":
        return TRANSPARENT
    digits = text[1:] if text.startswith("#") else text
    if len(digits) != 6 or any(c not in "0123456789abcdefABCDEF" for c in digits):
        raise PixelArtError(f"{where}: colour '{text}' is neither RRGGBB hex nor 'transparent'")
    return (int(digits[0:2], 16), int(digits[2:4], 16), int(digits[4:6], 16))


def parse_text(text: str, path: str = "<text>") -> Image:
    """Parses one source; raises PixelArtError with file and line on any fault."""
    width = height = None
    palette: dict = {}
    rows: list = []
    section = "header"
    for number, raw in enumerate(text.splitlines(), start=1):
        where = f"{path}:{number}"
        line = raw.rstrip()
        if not line or line.startswith("#"):
            continue
        if section == "header":
            words = line.split()
            if words[0] == "size":
                if len(words) != 3 or not all(w.isdigit() for w in words[1:]):
                    raise PixelArtError(f"{where}: expected 'size WIDTH HEIGHT', got '{line}'")
                width, height = int(words[1]), int(words[2])
                if not (1 <= width <= MAX_SIDE and 1 <= height <= MAX_SIDE):
                    raise PixelArtError(f"{where}: size {width}x{height} is outside 1..{MAX_SIDE}")
            elif line == "palette":
                if width is None:
                    raise PixelArtError(f"{where}: 'palette' before the 'size' line")
                section = "palette"
            else:
                raise PixelArtError(f"{where}: expected 'size W H' or 'palette', got '{line}'")
        elif section == "palette":
            if line == "pixels":
                if not palette:
                    raise PixelArtError(f"{where}: the palette is empty")
                section = "pixels"
                continue
            words = line.split(None, 2)
            char = words[0]
            if len(char) != 1 or line[0] != char:
                raise PixelArtError(f"{where}: expected a palette entry (one character, then its "
                                    f"colour) or the 'pixels' line, got '{line}'")
            if len(words) < 2:
                raise PixelArtError(f"{where}: palette character '{char}' has no colour")
            if char in palette:
                raise PixelArtError(f"{where}: palette character '{char}' is defined twice")
            palette[char] = _parse_colour(words[1], where)
        else:
            row_index = len(rows) + 1
            if row_index > height:
                raise PixelArtError(f"{where}: more than the {height} rows given by 'size'")
            if len(line) != width:
                raise PixelArtError(
                    f"{where}: row {row_index} is {len(line)} characters wide, expected {width}")
            row = []
            for column, char in enumerate(line, start=1):
                if char not in palette:
                    raise PixelArtError(
                        f"{where}: unknown palette character '{char}' in row {row_index}, "
                        f"column {column}")
                row.append(palette[char])
            rows.append(row)
    if section != "pixels":
        if width is None:
            missing = "'size' line"
        else:
            missing = "'palette' section" if section == "header" else "'pixels' section"
        raise PixelArtError(f"{path}: ends before its {missing}")
    if len(rows) != height:
        raise PixelArtError(f"{path}: has {len(rows)} pixel rows, 'size' says {height}")
    return Image(path=path, width=width, height=height, pixels=rows, palette=palette)


def parse_file(path: str) -> Image:
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as e:
        raise PixelArtError(f"{path}: cannot read: {e}") from e
    return parse_text(text, path)


def _info_header(width: int, height: int, bit_count: int, image_size: int,
                 pels_per_metre: int = 0, colours_used: int = 0) -> bytes:
    # BITMAPINFOHEADER: size, width, height, planes, bit count, compression (BI_RGB = 0),
    # image size, horizontal and vertical resolution, colours used, colours important.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0, image_size,
                       pels_per_metre, pels_per_metre, colours_used, 0)


def _icon_palette(image: Image):
    """The colours of an icon image that fits 8 bits, black first (transparent pixels are black
    under a set AND bit, so that they leave the screen as it is), else None."""
    colours = sorted({p for row in image.pixels for p in row if p is not TRANSPARENT} - {BLACK})
    return [BLACK] + colours if len(colours) < 256 else None


def _icon_image(image: Image) -> bytes:
    """One icon image: header (height doubled for XOR + AND), colour rows, AND mask rows. The
    colour rows are 8-bit palette indices, a quarter of the bytes of BGRA in the executable, unless
    the image has more than 256 colours."""
    w, h = image.width, image.height
    mask_stride = ((w + 31) // 32) * 4
    palette = _icon_palette(image)
    index = {colour: i for i, colour in enumerate(palette or [])}
    colour_stride = (w + 3) & ~3 if palette else 4 * w
    colour = bytearray()
    mask = bytearray()
    for row in reversed(image.pixels):  # bottom-up
        bits = bytearray(mask_stride)
        line = bytearray()
        for x, p in enumerate(row):
            if p is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
                line += b"\x00" if palette else b"\x00\x00\x00\x00"
            elif palette:
                line.append(index[p])
            else:
                r, g, b = p
                line += bytes((b, g, r, 255))
        colour += line.ljust(colour_stride, b"\x00")
        mask += bits
    if palette:
        table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        return (_info_header(w, 2 * h, 8, len(colour) + len(mask), 0, len(palette)) + table +
                bytes(colour) + bytes(mask))
    return _info_header(w, 2 * h, 32, len(colour) + len(mask)) + bytes(colour) + bytes(mask)


def build_ico(images: list) -> bytes:
    """An .ico holding the images in the given order."""
    if not images:
        raise PixelArtError("an icon needs at least one image")
    seen = {}
    for image in images:
        key = (image.width, image.height)
        if key in seen:
            raise PixelArtError(
                f"{image.path}: a {key[0]}x{key[1]} image is already given by {seen[key]}")
        seen[key] = image.path
    bodies = [_icon_image(image) for image in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, body in zip(images, bodies):
        # ICONDIRENTRY: width, height (0 means 256), colour count, reserved, planes, bit count,
        # bytes in resource, offset of the image in the file.
        palette = _icon_palette(image)
        colours = len(palette) % 256 if palette else 0  # 0 for 256 colours or more
        directory += struct.pack("<BBBBHHII", image.width % 256, image.height % 256, colours, 0, 1,
                                 8 if palette else 32, len(body), offset)
        offset += len(body)
    return directory + b"".join(bodies)


def _bmp_file(width: int, height: int, pixels: list) -> bytes:
    """A bottom-up, uncompressed .bmp of opaque (r, g, b) rows; rows padded to 4 bytes. Art of at
    most 256 colours (all of ours) is stored with 8-bit palette indices, a third of the bytes of
    24-bit pixels in the executable; more colours fall back to 24 bits."""
    colours = sorted({p for row in pixels for p in row})
    if len(colours) <= 256:
        index = {colour: i for i, colour in enumerate(colours)}
        bit_count, pixel_bytes = 8, lambda row: bytes(index[p] for p in row)
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    else:
        bit_count, pixel_bytes = 24, lambda row: b"".join(bytes((b, g, r)) for r, g, b in row)
        palette, colours = b"", []
    stride = (width * bit_count // 8 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        data += pixel_bytes(row).ljust(stride, b"\0")
    offset = 14 + 40 + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    header = _info_header(width, height, bit_count, len(data), 2835, len(colours))
    return file_header + header + palette + bytes(data)


def build_bmp(image: Image) -> bytes:
    """A bottom-up, uncompressed .bmp (see _bmp_file)."""
    if image.has_transparency:
        raise PixelArtError(
            f"{image.path}: a bitmap has no transparency; paint the background in a key colour "
            f"(such as ff00ff) instead of a transparent palette entry")
    return _bmp_file(image.width, image.height, image.pixels)


def build_strip(images: list) -> bytes:
    """One bitmap of the images side by side, left to right; transparent pixels become magenta."""
    if not images:
        raise PixelArtError("a strip needs at least one image")
    first = images[0]
    for image in images:
        if image.height != first.height:
            raise PixelArtError(
                f"{image.path}: is {image.width}x{image.height}, but a strip's images must all be "
                f"as high as the first, {first.path} ({first.height} pixels)")
        for char, colour in image.palette.items():
            if colour == KEY_COLOUR:
                raise PixelArtError(
                    f"{image.path}: palette character '{char}' is ff00ff, the strip's key colour, "
                    f"so it would be drawn transparent; use a 'transparent' entry or another "
                    f"colour")
    rows = []
    for y in range(first.height):
        row = []
        for image in images:
            row += [KEY_COLOUR if p is TRANSPARENT else p for p in image.pixels[y]]
        rows.append(row)
    return _bmp_file(sum(image.width for image in images), first.height, rows)


def write_atomically(path: str, data: bytes) -> None:
    """Writes the whole file or nothing, so a failed build never leaves a half-written file."""
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, temporary = tempfile.mkstemp(dir=folder, prefix=".pixelart-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        umask = os.umask(0)  # mkstemp makes the file private; give it the usual permissions
        os.umask(umask)
        os.chmod(temporary, 0o666 & ~umask)
        os.replace(temporary, path)
    except BaseException:
        if os.path.exists(temporary):
            os.unlink(temporary)
        raise


USAGE = """usage: pixelart.py ico OUT.ico SOURCE.txt [SOURCE.txt ...]
       pixelart.py bmp OUT.bmp SOURCE.txt
       pixelart.py strip OUT.bmp SOURCE.txt [SOURCE.txt ...]"""

BUILDERS = {
    "ico": build_ico,
    "bmp": lambda images: build_bmp(images[0]),
    "strip": build_strip,
}


def main(argv: list) -> int:
    if len(argv) < 3 or argv[0] not in BUILDERS or (argv[0] == "bmp" and len(argv) != 3):
        print(USAGE, file=sys.stderr)
        return 2
    command, out, sources = argv[0], argv[1], argv[2:]
    try:
        images = [parse_file(source) for source in sources]
        data = BUILDERS[command](images)
        write_atomically(out, data)
    except PixelArtError as e:
        print(f"pixelart: error: {e}", file=sys.stderr)
        return 1
    except OSError as e:
        print(f"pixelart: error: cannot write {out}: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
