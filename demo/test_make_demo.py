"""Tests of the demo CD folder builder (demo/make_demo.py). Run with Debian's python3, which has
pytest and PIL:  /usr/bin/python3 -m pytest -q demo/test_make_demo.py"""

import importlib.util
import os
import shutil
import struct
import subprocess
import sys
import wave
from pathlib import Path

import pytest
from PIL import Image

HERE = Path(__file__).resolve().parent
REPO = HERE.parent
SCRIPT = HERE / "make_demo.py"


def _load(name, path):
    spec = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(spec)
    sys.modules[name] = module
    spec.loader.exec_module(module)
    return module


ardfile = _load("demo_test_ardfile", REPO / "tools" / "ardfile.py")
make_demo = _load("demo_test_make_demo", SCRIPT)

# What the demo menu is meant to be.
CAPTION = "Quorvane Demo"
BUTTON_ACTIONS = {"Read Me": 1, "Web Site": 2, "Play Sound": 4, "Browse CD": 6, "Exit": 7}
FILE_ACTIONS = {1, 4, 5}  # open a file, play a sound, print a file: their target is a file
MAGENTA = (255, 0, 255)
# The inner panel of a 600x420 window with a border and a 2-pixel raised bevel is at least
# 576x373 (the sizeable frame under Wine is the thickest), so every object must fit in that.
PANEL_WIDTH, PANEL_HEIGHT = 576, 373


def _generate(outdir: Path) -> None:
    result = subprocess.run([sys.executable, str(SCRIPT), str(outdir)], capture_output=True,
                            text=True)
    assert result.returncode == 0, result.stderr


def _tree(folder: Path) -> dict:
    return {p.relative_to(folder).as_posix(): p.read_bytes()
            for p in sorted(folder.rglob("*")) if p.is_file()}


@pytest.fixture(scope="module")
def cd(tmp_path_factory) -> Path:
    folder = tmp_path_factory.mktemp("cd")
    _generate(folder)
    return folder


@pytest.fixture(scope="module")
def project(cd):
    return ardfile.read_project((cd / "AutoRun.ard").read_bytes())


def _on_disc(cd: Path, name: str) -> Path:
    assert name.startswith("\\"), f"{name!r} is not CD-relative (no leading backslash)"
    return cd.joinpath(*[part for part in name.split("\\") if part])


def test_two_runs_write_identical_folders(cd, tmp_path):
    again = tmp_path / "again"
    _generate(again)
    first, second = _tree(cd), _tree(again)
    assert sorted(first) == sorted(second)
    for name in first:
        assert first[name] == second[name], f"{name} differs between two runs"


def test_nothing_is_left_over_besides_the_named_files(cd, project):
    # Every file on the disc is either the menu itself, its text, or named by the project.
    named = set()
    for obj in project.objects:
        for attr in ("glyph_file", "hot_glyph_file", "image_file", "hot_image_file"):
            value = getattr(obj, attr, "")
            if value:
                named.add(_on_disc(cd, value).relative_to(cd).as_posix())
        if obj.link.action in FILE_ACTIONS:
            named.add(_on_disc(cd, obj.link.target).relative_to(cd).as_posix())
    assert set(_tree(cd)) == named | {"AutoRun.ard"}


def test_every_named_file_exists(cd, project):
    names = [project.icon_file, project.start_sound_file, project.start_link.sound_file]
    for obj in project.objects:
        names += [obj.glyph_file, obj.hot_glyph_file, obj.image_file, obj.hot_image_file,
                  obj.link.sound_file]
        if obj.link.action in FILE_ACTIONS:
            assert obj.link.target, f"{obj.name} runs a file but names none"
            names.append(obj.link.target)
        if obj.link.start_directory:
            assert _on_disc(cd, obj.link.start_directory).is_dir(), obj.name
    checked = [n for n in names if n]
    assert len(checked) >= 5 * 2 + 2 + 2  # glyphs, pictures, ReadMe and the sound
    for name in checked:
        assert _on_disc(cd, name).is_file(), f"{name} is named but not in the folder"


def test_project_reads_back_as_the_demo_menu(project):
    assert project.caption == CAPTION
    assert (project.width, project.height) == (600, 420)
    assert project.border_style in (1, 2)
    assert len(project.objects) == 9
    kinds = [type(o).__name__ for o in project.objects]
    assert kinds.count("Label") == 2 and kinds.count("Button") == 5 and kinds.count("Image") == 2
    # a real gradient: two different colours, a direction other than "none" (8)
    assert project.back_color != project.gradient_color and project.gradient_style < 8
    assert all(c <= 0x00FFFFFF for c in (project.back_color, project.gradient_color))


def test_buttons_link_to_what_their_captions_say(project):
    buttons = {o.caption: o for o in project.objects if isinstance(o, ardfile.Button)}
    assert set(buttons) == set(BUTTON_ACTIONS)
    for caption, action in BUTTON_ACTIONS.items():
        b = buttons[caption]
        assert b.link.action == action, caption
        assert b.link.show_command == 1, caption
        assert b.flat and b.transparent, caption
        assert b.glyph_file and b.hot_glyph_file and b.glyph_file != b.hot_glyph_file, caption
        assert b.hot_font.color != b.normal_font.color, caption
    assert buttons["Read Me"].link.target.lower() == "\\readme.txt"
    assert buttons["Read Me"].link.start_directory == "\\"
    assert buttons["Web Site"].link.target.startswith("https://")
    assert buttons["Play Sound"].link.target.lower().endswith(".wav")


def test_objects_fit_the_panel_without_overlapping(project):
    boxes = []
    for o in project.objects:
        assert o.left >= 8 and o.top >= 8, o.name
        assert o.left + o.width <= PANEL_WIDTH - 8, o.name
        assert o.top + o.height <= PANEL_HEIGHT - 8, o.name
        boxes.append((o.name, o.left, o.top, o.left + o.width, o.top + o.height))
    for i, a in enumerate(boxes):
        for b in boxes[i + 1:]:
            apart = a[3] <= b[1] or b[3] <= a[1] or a[4] <= b[2] or b[4] <= a[2]
            assert apart, f"{a[0]} overlaps {b[0]}"


def test_title_label_is_large_bold_and_transparent(project):
    title = next(o for o in project.objects if isinstance(o, ardfile.Label) and o.caption == CAPTION)
    assert title.transparent
    assert title.font.size >= 18 and title.font.style & 1
    assert title.font == title.normal_font
    assert title.hot_font.color != title.font.color


def _bmp_header(data: bytes):
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    header, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    return magic, size, offset, header, width, height, planes, bits, compression


def test_glyphs_are_32x32_bitmaps_with_a_magenta_key(cd, project):
    glyphs = set()
    for o in project.objects:
        if isinstance(o, ardfile.Button):
            glyphs |= {o.glyph_file, o.hot_glyph_file}
    assert len(glyphs) == 10
    for name in glyphs:
        path = _on_disc(cd, name)
        data = path.read_bytes()
        magic, size, offset, header, width, height, planes, bits, compression = _bmp_header(data)
        assert magic == b"BM" and size == len(data), name
        assert header == 40 and planes == 1 and compression == 0, name
        # 8-bit palette bitmaps (the art's few colours), as the player's own artwork
        assert (width, height, bits) == (32, 32, 8), name
        with Image.open(path) as img:
            rgb = img.convert("RGB")
            assert rgb.getpixel((0, 31)) == MAGENTA, f"{name}: bottom-left pixel is not magenta"
            colours = {c for _, c in rgb.getcolors(1024)}
            # a picture, not a blank: magenta around at least a handful of real colours
            assert len(colours - {MAGENTA}) >= 4, name
            magenta = sum(n for n, c in rgb.getcolors(1024) if c == MAGENTA)
            assert 64 < magenta < 32 * 32 - 200, f"{name}: {magenta} magenta pixels"


def test_hot_glyphs_differ_from_the_normal_ones(cd, project):
    for o in project.objects:
        if isinstance(o, ardfile.Button):
            assert _on_disc(cd, o.glyph_file).read_bytes() != _on_disc(cd, o.hot_glyph_file).read_bytes()


def _mean_luma(path: Path) -> float:
    with Image.open(path) as img:
        grey = img.convert("L")
        return sum(grey.getdata()) / (grey.width * grey.height)


def test_cover_pictures_are_jpegs_of_the_stated_size(cd, project):
    image = next(o for o in project.objects if isinstance(o, ardfile.Image))
    normal, hot = _on_disc(cd, image.image_file), _on_disc(cd, image.hot_image_file)
    for path in (normal, hot):
        assert path.read_bytes()[:3] == b"\xff\xd8\xff"
        with Image.open(path) as img:
            assert img.format == "JPEG" and img.mode == "RGB"
            assert img.size == (200, 150)
            img.load()
            # fits inside the image object when centred
            assert img.width <= image.width and img.height <= image.height
    assert _mean_luma(hot) > _mean_luma(normal) + 5


def test_sound_is_a_short_16_bit_mono_chime(cd, project):
    sound = next(o for o in project.objects if o.link.action == 4)
    path = _on_disc(cd, sound.link.target)
    with wave.open(str(path), "rb") as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, 22050)
        frames = w.getnframes()
        assert abs(frames / 22050 - 0.6) < 0.01
        samples = struct.unpack(f"<{frames}h", w.readframes(frames))
    peak = max(abs(s) for s in samples)
    assert 8000 < peak < 32767, f"peak {peak}: silent or clipped"
    assert abs(samples[-1]) < 200, "ends with a click"
    # two notes: the second half still rings as loudly as a fresh note would
    quarter = len(samples) // 4
    early = max(abs(s) for s in samples[:quarter])
    late = max(abs(s) for s in samples[quarter:2 * quarter])
    assert late > early * 0.5


def test_readme_has_crlf_line_ends(cd):
    text = (cd / "ReadMe.txt").read_bytes()
    assert text.count(b"\n") >= 5
    assert text.count(b"\r\n") == text.count(b"\n") == text.count(b"\r")
    assert b"Quorvane" in text


def test_a_broken_glyph_source_stops_the_build(tmp_path, monkeypatch, capsys):
    glyphs = tmp_path / "glyphs"
    shutil.copytree(HERE / "glyphs", glyphs)
    source = glyphs / "globe-hot.txt"
    lines = source.read_text().splitlines()
    lines[-1] = lines[-1][:-1]  # one pixel short in the last row
    source.write_text("\n".join(lines) + "\n")
    monkeypatch.setattr(make_demo, "GLYPH_DIR", str(glyphs))
    out = tmp_path / "out"
    assert make_demo.main([str(out)]) == 1
    assert "globe-hot.txt" in capsys.readouterr().err
    assert not (out / "AutoRun.ard").exists()


def test_usage_without_an_output_folder():
    result = subprocess.run([sys.executable, str(SCRIPT)], capture_output=True, text=True)
    assert result.returncode == 2 and "usage" in result.stderr
