"""An independent reference of what the player paints, for test_player_drawing.py:

  * the background gradient of the inner panel (GradientStyle 0..6 exactly, 7 only in outline),
  * picture files written from scratch (24-bit .bmp, .ico, .emf, placeable .wmf; .jpg via PIL),
  * comparing a region of a screenshot with an expected picture.

Nothing here looks at the program's code or output: the gradient follows the rules of the
background gradient as the player's users see them (see the test module's docstring).
"""
from __future__ import annotations

import io
import struct
from typing import Callable, Optional, Sequence

from PIL import Image, ImageChops

RGB = tuple  # (r, g, b)

GRADIENT_NONE = 8
SWAPPED_STYLES = (1, 3, 4, 5, 6)  # the ramp starts at GradientColor


# --- the gradient --------------------------------------------------------------------------------

def trunc_div(a: int, b: int) -> int:
    """a / b truncated toward zero (b > 0)."""
    q = abs(a) // b
    return q if a >= 0 else -q


def ramp_color(start: RGB, end: RGB, i: int, n: int) -> RGB:
    """Colour index i of n steps from start (index 0) to end (index n)."""
    return tuple(s + trunc_div(i * (e - s), n) for s, e in zip(start, end))


def ramp_ends(style: int, back: RGB, gradient: RGB) -> tuple[RGB, RGB]:
    """(S', E'): the colours at index 0 and index N of the style's ramp."""
    return (gradient, back) if style in SWAPPED_STYLES else (back, gradient)


def band_colours(size: int, start: RGB, end: RGB) -> Optional[list[RGB]]:
    """Styles 0..3: the colour at each distance 0..size-1 from the far (bottom or right) edge
    of the fill; None when nothing is drawn."""
    times = min(size, 256)
    n = times - 1
    if n <= 0:
        return None
    by_distance: list[Optional[RGB]] = [None] * size
    for t in range(times):
        p0, p1 = t * size // times, (t + 1) * size // times
        colour = ramp_color(start, end, t, n)
        for d in range(p0, p1):
            by_distance[d] = colour
    assert all(c is not None for c in by_distance)
    return by_distance  # type: ignore[return-value]


def ring_indices(wf: int, hf: int) -> list[list[Optional[int]]]:
    """Style 4: the ramp index of every fill pixel ([row][column]); None where no strip fell."""
    grid: list[list[Optional[int]]] = [[None] * wf for _ in range(hf)]
    hw, hh = wf // 2, hf // 2
    c = d = 0
    while True:
        index = c + d
        for row in range(c, hf - c):  # columns d and wf-d-1 over rows c..hf-c-1
            if 0 <= d < wf:
                grid[row][d] = index
            if 0 <= wf - d - 1 < wf:
                grid[row][wf - d - 1] = index
        if d <= wf - d - 1:
            span = [index] * (wf - 2 * d)
            for row in {c, hf - c - 1}:  # rows c and hf-c-1 over columns d..wf-d-1
                if 0 <= row < hf:
                    grid[row][d:wf - d] = span
        if c < hh:
            c += 1
        if d < hw:
            d += 1
        if not (c < hh or d < hw):
            break
    return grid


def gradient_picture(style: int, width: int, height: int, back: RGB, gradient: RGB) -> Image.Image:
    """What an inner panel of width x height shows without objects and background picture."""
    img = Image.new("RGB", (width, height), back)
    if style >= GRADIENT_NONE or tuple(back) == tuple(gradient) or width <= 0 or height <= 0:
        return img
    wf, hf = width + 2, height + 2
    s, e = ramp_ends(style, back, gradient)
    if style in (0, 1):
        by_distance = band_colours(hf, s, e)
        if by_distance is None:
            return img
        for row in range(height):
            img.paste(by_distance[hf - 1 - row], (0, row, width, row + 1))
    elif style in (2, 3):
        by_distance = band_colours(wf, s, e)
        if by_distance is None:
            return img
        for col in range(width):
            img.paste(by_distance[wf - 1 - col], (col, 0, col + 1, height))
    elif style == 4:
        n = wf // 2 + hf // 2
        palette = [ramp_color(s, e, i, n) for i in range(n + 1)]
        grid = ring_indices(wf, hf)
        img.putdata([palette[i] if i is not None else tuple(back)
                     for row in grid[:height] for i in row[:width]])
    elif style in (5, 6):
        n = wf + hf
        palette = {}
        data = []
        for row in range(height):
            dy = row if style == 5 else hf - 1 - row
            for dx in range(width):
                k = max(dx, dy)
                i = k + min(k, wf, hf)
                if i not in palette:
                    palette[i] = ramp_color(s, e, i, n)
                data.append(palette[i])
        img.putdata(data)
    else:
        raise ValueError(f"no exact reference for gradient style {style}")
    return img


# --- comparing the screen ------------------------------------------------------------------------

def _mismatches(shot: Image.Image, left: int, top: int, want: Image.Image, tolerance: int,
                mask: Optional[Image.Image]):
    region = shot.crop((left, top, left + want.width, top + want.height))
    diff = ImageChops.difference(region, want)
    bad = diff.point(lambda v: 255 if v > tolerance else 0).convert("L").point(lambda v: 255 if v else 0)
    if mask is not None:
        bad = ImageChops.multiply(bad, mask.point(lambda v: 255 if v else 0))
    count = want.width * want.height - bad.histogram()[0]
    return count, bad, region


def count_differences(shot: Image.Image, left: int, top: int, want: Image.Image, tolerance: int = 0,
                      mask: Optional[Image.Image] = None) -> int:
    """How many pixels of the screenshot's region at (left, top) differ from `want` by more than
    `tolerance` in a channel (counting only where `mask`, an "L" image, is non-zero)."""
    return _mismatches(shot, left, top, want, tolerance, mask)[0]


def differences(shot: Image.Image, left: int, top: int, want: Image.Image, tolerance: int = 0,
                mask: Optional[Image.Image] = None, what: str = "", limit: int = 6) -> list[str]:
    """Where the screenshot's region at (left, top) differs from `want` by more than `tolerance`
    in a channel (only where `mask`, an "L" image of want's size, is non-zero): [] when it
    matches, else a description of the mismatches."""
    count, bad, region = _mismatches(shot, left, top, want, tolerance, mask)
    if not count:
        return []
    box = bad.getbbox()
    examples = []
    bad_px, got_px, want_px = bad.load(), region.load(), want.load()
    for y in range(box[1], box[3]):
        for x in range(box[0], box[2]):
            if bad_px[x, y]:
                examples.append(f"({x},{y}) screen {left + x},{top + y}: {got_px[x, y]} not {want_px[x, y]}")
                if len(examples) >= limit:
                    break
        if len(examples) >= limit:
            break
    return [f"{what}: {count} of {want.width}x{want.height} pixels differ (bounding box {box} in the "
            f"region), e.g. " + "; ".join(examples)]


def wait_for_screen(rig, check: Callable[[Image.Image], list[str]], timeout: float = 20.0,
                    what: str = "the expected picture") -> Image.Image:
    """Takes screenshots until `check(shot)` reports no problem and returns that screenshot; on
    timeout fails with the problems of the last screenshot."""
    __tracebackhide__ = True
    last: list = [None, []]

    def ok():
        shot = rig.screen()
        problems = check(shot)
        last[:] = [shot, problems]
        return shot if not problems else None

    try:
        return rig.wait_until(ok, timeout, what)
    except AssertionError as e:
        raise AssertionError(f"{e}\nlast screenshot:\n  " + "\n  ".join(last[1])) from None


def find_colour(shot: Image.Image, box: tuple[int, int, int, int], rgb: RGB) -> Optional[tuple[int, int, int, int]]:
    """The bounding box (screen coordinates, right/bottom exclusive) of the pixels of exactly `rgb`
    within `box`, or None."""
    region = shot.crop(box)
    solid = Image.new("RGB", region.size, tuple(rgb))
    same = ImageChops.difference(region, solid).convert("L").point(lambda v: 255 if v == 0 else 0)
    found = same.getbbox()
    if found is None:
        return None
    return (box[0] + found[0], box[1] + found[1], box[0] + found[2], box[1] + found[3])


def count_colour(shot: Image.Image, box: tuple[int, int, int, int], rgb: RGB) -> int:
    region = shot.crop(box)
    solid = Image.new("RGB", region.size, tuple(rgb))
    exact = ImageChops.difference(region, solid).point(lambda v: 255 if v else 0).convert("L")
    return exact.histogram()[0]


# --- picture files ---------------------------------------------------------------------------------

def quadrants(width: int, height: int, tl: RGB, tr: RGB, bl: RGB, br: RGB) -> Image.Image:
    img = Image.new("RGB", (width, height))
    hw, hh = width // 2, height // 2
    img.paste(tl, (0, 0, hw, hh))
    img.paste(tr, (hw, 0, width, hh))
    img.paste(bl, (0, hh, hw, height))
    img.paste(br, (hw, hh, width, height))
    return img


def bmp24(img: Image.Image) -> bytes:
    """A bottom-up 24-bit BI_RGB .bmp of the RGB image, written field by field."""
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    px = img.convert("RGB").load()
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows += row
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + bytes(rows)


def ico24(img: Image.Image) -> bytes:
    """A one-image .ico (24-bit colour, all-opaque AND mask) of the RGB image."""
    w, h = img.size
    assert w <= 256 and h <= 256
    stride = (w * 3 + 3) & ~3
    px = img.convert("RGB").load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r))
        xor += row + bytes(stride - len(row))
    mask_stride = ((w + 31) // 32) * 4
    and_mask = bytes(mask_stride * h)  # 0 = opaque
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = info + bytes(xor) + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def jpeg(img: Image.Image) -> bytes:
    out = io.BytesIO()
    img.convert("RGB").save(out, "JPEG", quality=100, subsampling=0)
    return out.getvalue()


def colorref(rgb: RGB) -> int:
    r, g, b = rgb
    return r | (g << 8) | (b << 16)


# EMF: a picture of `size` pixels at 96 dots per inch, filled with rectangles.
EMR_HEADER, EMR_EOF, EMR_SELECTOBJECT, EMR_CREATEPEN, EMR_CREATEBRUSHINDIRECT, EMR_RECTANGLE = 1, 14, 37, 38, 39, 43


def emf(size: tuple[int, int], rects: Sequence[tuple[tuple[int, int, int, int], RGB]]) -> bytes:
    """An enhanced metafile of `size` pixels (frame at 96 dpi) painting each (left, top, right,
    bottom) rectangle (logical units = pixels, right/bottom exclusive) in its colour, outlined
    with a 1-pixel pen of the same colour."""
    w, h = size
    assert (w * 2540) % 96 == 0 and (h * 2540) % 96 == 0, "the frame must be whole 0.01 mm"
    records = []
    handle = 0
    for (l, t, r, b), rgb in rects:
        pen, brush = handle + 1, handle + 2
        handle += 2
        records.append(struct.pack("<IIIIiiI", EMR_CREATEPEN, 28, pen, 0, 1, 0, colorref(rgb)))  # PS_SOLID
        records.append(struct.pack("<IIIIII", EMR_CREATEBRUSHINDIRECT, 24, brush, 0, colorref(rgb), 0))
        records.append(struct.pack("<III", EMR_SELECTOBJECT, 12, pen))
        records.append(struct.pack("<III", EMR_SELECTOBJECT, 12, brush))
        # Metafiles play in the advanced graphics mode, whose rectangles include right and bottom.
        records.append(struct.pack("<IIiiii", EMR_RECTANGLE, 24, l, t, r - 1, b - 1))
    records.append(struct.pack("<IIIII", EMR_EOF, 20, 0, 16, 20))
    header_size = 108
    body = b"".join(records)
    total = header_size + len(body)
    device = (960, 960)  # pixels of the reference device ...
    millimeters = (254, 254)  # ... over 254 mm: 96 dpi
    header = struct.pack(
        "<II4i4iIIIIHHIII2i2iIII2i",
        EMR_HEADER, header_size,
        0, 0, w - 1, h - 1,  # bounds, device units, inclusive
        0, 0, w * 2540 // 96, h * 2540 // 96,  # frame, 0.01 mm
        0x464D4520, 0x10000, total, len(records) + 1, handle + 1, 0,
        0, 0, 0,  # description, palette
        *device, *millimeters,
        0, 0, 0,  # pixel format, OpenGL
        millimeters[0] * 1000, millimeters[1] * 1000)
    assert len(header) == header_size
    return header + body


# WMF records.
META_EOF, META_SELECTOBJECT, META_CREATEPENINDIRECT, META_CREATEBRUSHINDIRECT = 0x0000, 0x012D, 0x02FA, 0x02FC
META_RECTANGLE, META_SETWINDOWORG, META_SETWINDOWEXT = 0x041B, 0x020B, 0x020C


def _wmf_record(function: int, params: bytes) -> bytes:
    assert len(params) % 2 == 0
    return struct.pack("<IH", 3 + len(params) // 2, function) + params


def wmf(size: tuple[int, int], rects: Sequence[tuple[tuple[int, int, int, int], RGB]]) -> bytes:
    """A placeable Windows metafile of `size` pixels (96 units per inch) painting each (left,
    top, right, bottom) rectangle (right/bottom exclusive) in its colour, outlined with a 1-pixel
    pen of the same colour."""
    w, h = size
    records = [
        _wmf_record(META_SETWINDOWORG, struct.pack("<hh", 0, 0)),
        _wmf_record(META_SETWINDOWEXT, struct.pack("<hh", h, w)),
    ]
    handle = 0
    for (l, t, r, b), rgb in rects:
        records.append(_wmf_record(META_CREATEPENINDIRECT, struct.pack("<HhhI", 0, 1, 0, colorref(rgb))))
        records.append(_wmf_record(META_SELECTOBJECT, struct.pack("<H", handle)))
        records.append(_wmf_record(META_CREATEBRUSHINDIRECT, struct.pack("<HIH", 0, colorref(rgb), 0)))
        records.append(_wmf_record(META_SELECTOBJECT, struct.pack("<H", handle + 1)))
        records.append(_wmf_record(META_RECTANGLE, struct.pack("<hhhh", b, r, t, l)))
        handle += 2
    records.append(_wmf_record(META_EOF, b""))
    body = b"".join(records)
    max_record = max(len(r) for r in records) // 2
    total_words = 9 + len(body) // 2
    meta_header = struct.pack("<HHHIHIH", 1, 9, 0x300, total_words, handle, max_record, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, w, h, 96, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable[:20]):
        checksum ^= word
    placeable += struct.pack("<H", checksum)
    return placeable + meta_header + body
