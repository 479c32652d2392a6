"""Tests for tools/pixelart.py: every art source is generated into a temporary folder through the
command line and read back independently, by hand with struct and again with PIL.

Run: python3 -m pytest -q tools/test_pixelart.py   (needs Debian's python3-pytest and python3-pil)
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import textwrap

import pytest
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
ART = os.path.join(REPO, "art")
TOOL = os.path.join(HERE, "pixelart.py")

MAGENTA = (255, 0, 255)
ICONS = {
    "app": ["app_icon_32.txt", "app_icon_16.txt"],
    "cd": ["cd_icon_32.txt", "cd_icon_16.txt"],
}
GLYPH = "default_glyph.txt"
STRIPS = {"logo.txt": (173, 38), "about.txt": (64, 64)}


# ---- an independent reader of the text sources (deliberately not the tool's own parser) ----

def read_source(path):
    """Returns (width, height, rows) with rows[y][x] = (r, g, b) or None for transparent."""
    with open(path, encoding="utf-8") as f:
        lines = [l.rstrip() for l in f if l.strip() and not l.startswith("#")]
    size = lines.index(next(l for l in lines if l.startswith("size ")))
    width, height = (int(v) for v in lines[size].split()[1:3])
    palette_at, pixels_at = lines.index("palette"), lines.index("pixels")
    colours = {}
    for line in lines[palette_at + 1:pixels_at]:
        char, value = line[0], line[1:].split()[0]
        colours[char] = None if value == "transparent" else tuple(
            int(value.lstrip("#")[i:i + 2], 16) for i in (0, 2, 4))
    rows = [[colours[c] for c in line] for line in lines[pixels_at + 1:]]
    assert len(rows) == height and all(len(r) == width for r in rows)
    return width, height, rows


def run_tool(*args):
    return subprocess.run([sys.executable, TOOL, *args], capture_output=True, text=True)


def generate(tmp_path, kind, name, sources):
    out = tmp_path / name
    result = run_tool(kind, str(out), *sources)
    assert result.returncode == 0, result.stderr
    return out


# ---- parsing the generated files with struct ----

def parse_ico(data):
    """Returns {(w, h): (bgra rows top-down, mask rows top-down as lists of bools)}. Reads 8-bit
    palette images (alpha taken from the mask; a masked pixel must be black) and 32-bit ones."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1)
    images = {}
    spans = []
    for i in range(count):
        w, h, colours, res, planes, bits, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        assert (res, planes) == (0, 1) and bits in (8, 32)
        assert offset + size <= len(data)
        spans.append((offset, offset + size))
        (hsize, bw, bh, bplanes, bbits, compression, image_size) = struct.unpack_from(
            "<IiiHHII", data, offset)
        used = struct.unpack_from("<I", data, offset + 32)[0]
        assert (hsize, bw, bh, bplanes, bbits, compression) == (40, w, 2 * h, 1, bits, 0)
        assert colours == (used % 256 if bits == 8 else 0) and (used == 0) == (bits == 32)
        palette = [tuple(data[offset + 40 + 4 * i: offset + 43 + 4 * i]) for i in range(used)]
        mask_stride = (w + 31) // 32 * 4
        stride = w * 4 if bits == 32 else (w + 3) // 4 * 4
        assert size == 40 + 4 * used + stride * h + mask_stride * h
        assert image_size in (0, stride * h + mask_stride * h)
        pixels_at = offset + 40 + 4 * used
        colour_rows = []
        for y in range(h):
            row = data[pixels_at + y * stride: pixels_at + (y + 1) * stride]
            if bits == 32:
                colour_rows.append([tuple(row[x * 4:x * 4 + 4]) for x in range(w)])
            else:
                colour_rows.append([(*palette[i], 255) for i in row[:w]])
        mask_at = pixels_at + stride * h
        mask_rows = []
        for y in range(h):
            row = data[mask_at + y * mask_stride: mask_at + (y + 1) * mask_stride]
            mask_rows.append([bool(row[x // 8] & (0x80 >> (x % 8))) for x in range(w)])
            # padding bits beyond the width stay clear
            assert all(not row[x // 8] & (0x80 >> (x % 8)) for x in range(w, mask_stride * 8))
        if bits == 8:  # a masked pixel shows the screen only if its colour is black
            for colour_row, mask_row in zip(colour_rows, mask_rows):
                for x, masked in enumerate(mask_row):
                    if masked:
                        assert colour_row[x] == (0, 0, 0, 255)
                        colour_row[x] = (0, 0, 0, 0)
        images[(w, h)] = (colour_rows[::-1], mask_rows[::-1])  # stored bottom-up
    spans.sort()
    assert spans[0][0] == 6 + 16 * count
    assert all(a[1] == b[0] for a, b in zip(spans, spans[1:])), "images overlap or leave gaps"
    assert spans[-1][1] == len(data)
    return images


def parse_bmp(data):
    """Returns (width, height, rows top-down of (r, g, b), padding bytes seen). Reads the 8-bit
    palette form and the 24-bit form, checking each header field."""
    magic, file_size, r1, r2, offset = struct.unpack_from("<2sIHHI", data, 0)
    hsize, w, h, planes, bits, compression, image_size = struct.unpack_from("<IiiHHII", data, 14)
    used = struct.unpack_from("<I", data, 46)[0]
    assert (magic, file_size, r1, r2, hsize, planes, compression) == (b"BM", len(data), 0, 0, 40,
                                                                      1, 0)
    assert bits in (8, 24) and offset == 54 + 4 * used and (used == 0) == (bits == 24)
    palette = [(data[i + 2], data[i + 1], data[i]) for i in range(54, offset, 4)]
    assert h > 0, "rows must be stored bottom-up"
    stride = (w * bits // 8 + 3) // 4 * 4
    assert image_size == stride * h and len(data) == offset + stride * h
    rows, padding = [], b""
    for y in range(h):
        raw = data[offset + y * stride: offset + (y + 1) * stride]
        if bits == 8:
            rows.append([palette[i] for i in raw[:w]])
        else:
            rows.append([(raw[x * 3 + 2], raw[x * 3 + 1], raw[x * 3]) for x in range(w)])
        padding += raw[w * bits // 8:]
    return w, h, rows[::-1], padding


# ---- the real artwork ----

@pytest.mark.parametrize("icon", sorted(ICONS))
def test_icon_matches_its_sources(tmp_path, icon):
    sources = [os.path.join(ART, name) for name in ICONS[icon]]
    data = generate(tmp_path, "ico", icon + ".ico", sources).read_bytes()
    images = parse_ico(data)
    assert sorted(images) == [(16, 16), (32, 32)]
    for source in sources:
        w, h, rows = read_source(source)
        colour, mask = images[(w, h)]
        transparent = 0
        for y in range(h):
            for x in range(w):
                want = rows[y][x]
                b, g, r, a = colour[y][x]
                assert mask[y][x] == (want is None), (source, x, y)
                if want is None:
                    transparent += 1
                    assert a == 0, (source, x, y)
                else:
                    assert (r, g, b, a) == (*want, 255), (source, x, y)
        # the background really is transparent, and the picture is not a blank square
        assert 0 < transparent < w * h // 2, source
        assert len({p for row in rows for p in row if p is not None}) >= 8, source


@pytest.mark.parametrize("icon", sorted(ICONS))
def test_icon_reads_the_same_in_pil(tmp_path, icon):
    sources = [os.path.join(ART, name) for name in ICONS[icon]]
    out = generate(tmp_path, "ico", icon + ".ico", sources)
    with Image.open(out) as im:
        assert im.format == "ICO"
        assert set(im.info["sizes"]) == {(16, 16), (32, 32)}
        for source in sources:
            w, h, rows = read_source(source)
            frame = im.ico.getimage((w, h)).convert("RGBA")
            assert frame.size == (w, h)
            for y in range(h):
                for x in range(w):
                    r, g, b, a = frame.getpixel((x, y))
                    if rows[y][x] is None:
                        assert a == 0, (source, x, y)
                    else:
                        assert (r, g, b, a) == (*rows[y][x], 255), (source, x, y)


def test_app_and_cd_icons_are_different_pictures():
    for app, cd in zip(ICONS["app"], ICONS["cd"]):
        assert read_source(os.path.join(ART, app))[2] != read_source(os.path.join(ART, cd))[2]


def test_default_glyph_bitmap(tmp_path):
    source = os.path.join(ART, GLYPH)
    out = generate(tmp_path, "bmp", "default_glyph.bmp", [source])
    w, h, rows, padding = parse_bmp(out.read_bytes())
    sw, sh, want = read_source(source)
    assert (w, h) == (sw, sh) == (32, 32)
    assert rows == want
    # the first stored pixel (bottom-left) is the one drawn transparent: it must be magenta
    assert rows[h - 1][0] == MAGENTA
    assert not padding
    colours = {p for row in want for p in row}
    assert MAGENTA in colours and len(colours) >= 8
    # the picture is on a magenta background, not a magenta square
    assert 0 < sum(p == MAGENTA for row in want for p in row) < w * h * 3 // 4
    with Image.open(out) as im:
        assert (im.format, im.mode, im.size) == ("BMP", "P", (32, 32))
        im = im.convert("RGB")
        assert im.getpixel((0, 31)) == MAGENTA
        assert [[im.getpixel((x, y)) for x in range(w)] for y in range(h)] == want


def test_toolbar_logo_and_about_strips(tmp_path):
    toolbar = sorted(os.listdir(os.path.join(ART, "toolbar")))
    assert [name[:3] for name in toolbar] == [f"{i:02d}_" for i in range(len(toolbar))]
    with open(os.path.join(ART, "CMakeLists.txt"), encoding="utf-8") as f:
        listed = re.findall(r"/toolbar/([^\"/]+\.txt)", f.read())
    assert listed == toolbar, "the build must lay the images out in index order"
    jobs = [("toolbar.bmp", [os.path.join(ART, "toolbar", n) for n in toolbar],
             (32 * len(toolbar), 32))]
    jobs += [(n[:-4] + ".bmp", [os.path.join(ART, n)], size) for n, size in STRIPS.items()]
    for name, sources, size in jobs:
        w, h, rows, _ = parse_bmp(generate(tmp_path, "strip", name, sources).read_bytes())
        assert (w, h) == size, name
        x0 = 0
        for source in sources:
            sw, sh, want = read_source(source)
            assert [row[x0:x0 + sw] for row in rows] == [
                [MAGENTA if p is None else p for p in row] for row in want], source
            x0 += sw
            # a drawn picture on a transparent background, not a blank or near-empty square
            opaque = [p for row in want for p in row if p is not None]
            assert sw * sh // 5 < len(opaque) < sw * sh and len(set(opaque)) >= 4, source
        assert x0 == w


# ---- the format on small made-up images ----

def write(tmp_path, name, text):
    path = tmp_path / name
    path.write_text(textwrap.dedent(text).lstrip(), encoding="utf-8")
    return str(path)


ODD = """
    # 5 x 3, so that each bitmap row needs one byte of padding
    size 5 3
    palette
    m ff00ff key
    r #FF0000
    g 00ff00
    b 0000ff
    pixels
    rgbmm
    mrgbm
    bmmmr
    """


def test_bitmap_rows_are_padded_and_bottom_up(tmp_path):
    out = generate(tmp_path, "bmp", "odd.bmp", [write(tmp_path, "odd.txt", ODD)])
    data = out.read_bytes()
    w, h, rows, padding = parse_bmp(data)
    assert (w, h) == (5, 3)
    assert padding == bytes(9)  # 5 palette indices + 3 of padding, for each of 3 rows
    red, green, blue = (255, 0, 0), (0, 255, 0), (0, 0, 255)
    assert rows[2] == [blue, MAGENTA, MAGENTA, MAGENTA, red]
    with Image.open(out) as im:
        im = im.convert("RGB")
        assert im.size == (5, 3)
        assert im.getpixel((0, 0)) == red and im.getpixel((4, 2)) == red
        assert im.getpixel((1, 1)) == red and im.getpixel((0, 2)) == blue


def test_strip_of_more_than_256_colours_is_stored_in_24_bits(tmp_path):
    chars = [chr(c) for c in range(33, 127) if chr(c) != "#"]
    sources, want = [], []
    for n in range(3):  # 3 x 93 different colours
        colours = [(n, i, 255 - i) for i in range(len(chars))]
        palette = "".join(f"{c} {r:02x}{g:02x}{b:02x}\n" for c, (r, g, b) in zip(chars, colours))
        text = f"size {len(chars)} 1\npalette\n{palette}pixels\n{''.join(chars)}\n"
        sources.append(write(tmp_path, f"c{n}.txt", text))
        want += colours
    data = generate(tmp_path, "strip", "many.bmp", sources).read_bytes()
    assert struct.unpack_from("<H", data, 28)[0] == 24
    assert parse_bmp(data)[2] == [want]


def test_strip_lays_sources_side_by_side(tmp_path):
    left = write(tmp_path, "l.txt", GOOD_HEAD + "x.x\nxx.\n")
    right = write(tmp_path, "r.txt", "size 2 2\npalette\n. transparent\nr ff0000\npixels\n.r\nrr\n")
    out = generate(tmp_path, "strip", "s.bmp", [left, right, left])
    w, h, rows, padding = parse_bmp(out.read_bytes())
    k, m, red = (0, 0, 0), MAGENTA, (255, 0, 0)
    assert (w, h) == (8, 2) and not padding
    assert rows == [[k, m, k, m, red, k, m, k], [k, k, m, red, red, k, k, m]]
    with Image.open(out) as im:
        im = im.convert("RGB")
        assert im.size == (8, 2) and im.getpixel((4, 0)) == red and im.getpixel((1, 0)) == m


@pytest.mark.parametrize("second, message", [
    ("size 3 3\npalette\nx 000000\npixels\nxxx\nxxx\nxxx\n", "as high as the first"),
    ("size 3 2\npalette\n. transparent\nq ff00ff\npixels\nq.q\nqqq\n",
     "palette character 'q' is ff00ff"),
])
def test_strip_refuses(tmp_path, second, message):
    first = write(tmp_path, "a.txt", GOOD_HEAD + "x.x\nxxx\n")
    bad = write(tmp_path, "b.txt", second)
    result = run_tool("strip", str(tmp_path / "s.bmp"), first, bad)
    assert result.returncode == 1 and f"{bad}: " in result.stderr, result.stderr
    assert message in result.stderr, result.stderr
    assert not (tmp_path / "s.bmp").exists()


def test_icon_mask_on_an_odd_size(tmp_path):
    source = write(tmp_path, "small.txt", """
        size 3 2
        palette
        . transparent
        x 102030
        pixels
        .x.
        xx.
        """)
    images = parse_ico(generate(tmp_path, "ico", "small.ico", [source]).read_bytes())
    colour, mask = images[(3, 2)]
    assert mask == [[True, False, True], [False, False, True]]
    assert colour[0][1] == (0x30, 0x20, 0x10, 255) and colour[0][0][3] == 0


def test_icon_of_more_than_256_colours_is_stored_in_32_bits(tmp_path):
    chars = [chr(0x100 + i) for i in range(300)]  # palette characters need not be ASCII
    colours = [(i % 256, i // 256, 7) for i in range(300)]
    palette = "".join(f"{c} {r:02x}{g:02x}{b:02x}\n" for c, (r, g, b) in zip(chars, colours))
    rows = "".join("".join(chars[y * 20:(y + 1) * 20]) + "\n" for y in range(15))
    source = write(tmp_path, "many.txt", f"size 20 15\npalette\n{palette}pixels\n{rows}")
    data = generate(tmp_path, "ico", "many.ico", [source]).read_bytes()
    assert struct.unpack_from("<H", data, 12)[0] == 32
    colour, mask = parse_ico(data)[(20, 15)]
    assert [p for row in colour for p in row] == [(b, g, r, 255) for r, g, b in colours]
    assert not any(m for row in mask for m in row)


def test_icon_with_a_256_pixel_image(tmp_path):
    source = write(tmp_path, "big.txt", "size 256 256\npalette\nx 808080\npixels\n" +
                   ("x" * 256 + "\n") * 256)
    data = generate(tmp_path, "ico", "big.ico", [source]).read_bytes()
    assert data[6:8] == b"\x00\x00"  # 256 is written as 0 in the directory entry
    assert list(parse_ico(data)) == [(256, 256)]


GOOD_HEAD = "size 3 2\npalette\n. transparent\nx 000000\npixels\n"


@pytest.mark.parametrize("text, message", [
    (GOOD_HEAD + "x.x\nxx\n", "row 2 is 2 characters wide, expected 3"),
    (GOOD_HEAD + "x.x\nx.xx\n", "row 2 is 4 characters wide, expected 3"),
    (GOOD_HEAD + "x.x\nxqx\n", "unknown palette character 'q' in row 2, column 2"),
    (GOOD_HEAD + "x.x\n", "has 1 pixel rows, 'size' says 2"),
    (GOOD_HEAD + "x.x\nx.x\nx.x\n", "more than the 2 rows"),
    ("size 3 2\npalette\nx 000000\nx ffffff\npixels\nxxx\nxxx\n", "defined twice"),
    ("size 3 2\npalette\nx 00000g\npixels\nxxx\nxxx\n", "neither RRGGBB hex"),
    ("size 3 2\npalette\nxy 000000\npixels\nxxx\nxxx\n", "one character"),
    ("size 3 2\npalette\nx\npixels\nxxx\nxxx\n", "has no colour"),
    ("size 0 2\npalette\nx 000000\npixels\n", "outside 1..256"),
    ("size 3\npalette\nx 000000\npixels\nxxx\nxxx\n", "expected 'size WIDTH HEIGHT'"),
    ("palette\nx 000000\npixels\nxxx\nxxx\n", "'palette' before the 'size' line"),
    ("size 3 2\npalette\nx 000000\nxxx\nxxx\n", "'pixels'"),
    ("size 3 2\npalette\npixels\nxxx\nxxx\n", "the palette is empty"),
    ("size 3 2\npalette\nx 000000\n", "ends before its 'pixels' section"),
    ("size 3 2\n", "ends before its 'palette' section"),
    ("# nothing\n", "ends before its 'size' line"),
])
@pytest.mark.parametrize("kind", ["ico", "bmp"])
def test_malformed_sources_are_rejected(tmp_path, text, message, kind):
    source = tmp_path / "bad.txt"
    source.write_text(text, encoding="utf-8")
    out = tmp_path / ("bad." + kind)
    result = run_tool(kind, str(out), str(source))
    assert result.returncode == 1
    assert "pixelart: error:" in result.stderr and str(source) in result.stderr
    assert message in result.stderr, result.stderr
    assert not out.exists()
    assert os.listdir(tmp_path) == ["bad.txt"], "no partial output left behind"


def test_error_names_the_line(tmp_path):
    source = write(tmp_path, "bad.txt", GOOD_HEAD + "x.x\nxx\n")
    assert f"{source}:7:" in run_tool("ico", str(tmp_path / "o.ico"), source).stderr


def test_bitmap_refuses_transparency(tmp_path):
    source = write(tmp_path, "t.txt", GOOD_HEAD + "x.x\nxxx\n")
    result = run_tool("bmp", str(tmp_path / "t.bmp"), source)
    assert result.returncode == 1 and "no transparency" in result.stderr


def test_icon_refuses_two_images_of_one_size(tmp_path):
    source = write(tmp_path, "a.txt", GOOD_HEAD + "x.x\nxxx\n")
    result = run_tool("ico", str(tmp_path / "a.ico"), source, source)
    assert result.returncode == 1 and "already given" in result.stderr


def test_failed_run_keeps_the_previous_output(tmp_path):
    good = write(tmp_path, "good.txt", GOOD_HEAD + "x.x\nxxx\n")
    bad = write(tmp_path, "bad.txt", GOOD_HEAD + "x.x\nxx\n")
    out = generate(tmp_path, "ico", "keep.ico", [good])
    before = out.read_bytes()
    assert run_tool("ico", str(out), bad).returncode == 1
    assert out.read_bytes() == before


@pytest.mark.parametrize("args", [[], ["ico"], ["ico", "x.ico"], ["png", "x.png", "a.txt"],
                                  ["bmp", "x.bmp", "a.txt", "b.txt"], ["strip", "x.bmp"]])
def test_wrong_usage(args):
    result = run_tool(*args)
    assert result.returncode == 2 and "usage:" in result.stderr


def test_missing_source(tmp_path):
    result = run_tool("bmp", str(tmp_path / "x.bmp"), str(tmp_path / "absent.txt"))
    assert result.returncode == 1 and "cannot read" in result.stderr


def test_output_folder_is_created_and_the_file_readable(tmp_path):
    source = write(tmp_path, "a.txt", GOOD_HEAD + "x.x\nxxx\n")
    umask = os.umask(0o022)
    try:
        out = generate(tmp_path, "ico", "deep/er/a.ico", [source])
    finally:
        os.umask(umask)
    assert out.is_file()
    assert out.stat().st_mode & 0o777 == 0o644, "readable like any other build output"


# ---- the build step ----

@pytest.mark.skipif(shutil.which("cmake") is None, reason="cmake is not installed")
def test_cmake_generates_the_art_and_follows_source_edits(tmp_path):
    """Runs art/CMakeLists.txt from a copy of art/ and tools/ inside a throwaway project."""
    tree = tmp_path / "tree"
    shutil.copytree(ART, tree / "art")
    shutil.copytree(HERE, tree / "tools", ignore=shutil.ignore_patterns("__pycache__"))
    (tree / "CMakeLists.txt").write_text(textwrap.dedent("""
        cmake_minimum_required(VERSION 3.20)
        project(ArtOnly NONE)
        add_subdirectory(art)
        file(WRITE "${CMAKE_BINARY_DIR}/art_dir.txt" "${QUORVANE_ART_DIR}")
        """))
    build = tmp_path / "build"

    def cmake(*args):
        result = subprocess.run(["cmake", *args], capture_output=True, text=True)
        assert result.returncode == 0, result.stdout + result.stderr

    cmake("-S", str(tree), "-B", str(build), f"-DPython3_EXECUTABLE={sys.executable}")
    assert (build / "art_dir.txt").read_text() == str(build / "art")
    cmake("--build", str(build), "--target", "quorvane_art")
    outputs = {name: build / "art" / name for name in ("app.ico", "cdicon.ico", "default_glyph.bmp")}
    assert sorted(parse_ico(outputs["app.ico"].read_bytes())) == [(16, 16), (32, 32)]
    assert sorted(parse_ico(outputs["cdicon.ico"].read_bytes())) == [(16, 16), (32, 32)]
    assert outputs["app.ico"].read_bytes() == generate(
        tmp_path, "ico", "app.ico", [str(tree / "art" / n) for n in ICONS["app"]]).read_bytes()
    assert outputs["cdicon.ico"].read_bytes() == generate(
        tmp_path, "ico", "cd.ico", [str(tree / "art" / n) for n in ICONS["cd"]]).read_bytes()
    assert parse_bmp(outputs["default_glyph.bmp"].read_bytes())[2] == read_source(ART + "/" + GLYPH)[2]
    for name, size in [("toolbar.bmp", (544, 32)), ("logo.bmp", (173, 38)),
                       ("about.bmp", (64, 64))]:
        assert parse_bmp((build / "art" / name).read_bytes())[:2] == size, name

    # an edited source is picked up by the next build
    glyph = tree / "art" / GLYPH
    text = glyph.read_text().splitlines()
    first_row = text.index("pixels") + 1
    text[first_row] = "k" + text[first_row][1:]
    glyph.write_text("\n".join(text) + "\n")
    os.utime(glyph, (os.path.getmtime(outputs["default_glyph.bmp"]) + 5,) * 2)
    cmake("--build", str(build), "--target", "quorvane_art")
    rows = parse_bmp(outputs["default_glyph.bmp"].read_bytes())[2]
    assert rows[0][0] == read_source(str(glyph))[2][0][0] != MAGENTA
