#!/usr/bin/python3
"""Builds Quorvane's demo CD folder: a small start-up menu that shows what the product does.

Usage:
  make_demo.py OUTDIR

Writes into OUTDIR (created if missing):
  AutoRun.ard           the menu: title, subtitle, five buttons, a cover picture and a logo
  art/<name>.bmp        button glyphs and hot glyphs, one per demo/glyphs/<name>.txt
                        (tools/pixelart.py)
  cover.jpg             a 200x150 disc cover drawn here, and cover-hot.jpg, its lit-up version
  logo.png              a 112x40 badge whose edges fade out (PNG alpha)
  ReadMe.txt            what the disc is (CRLF line ends)
  chime.wav             a 0.6 s two-note chime, 22050 Hz, 16-bit mono

Add AutoRun.exe (Quorvane.exe under that name) to the folder and it starts as the menu.
Nothing here is random or dated: two runs write identical bytes. Needs Debian's python3 (PIL).
"""

from __future__ import annotations

import importlib.util
import io
import math
import os
import struct
import sys
import wave

from PIL import Image, ImageDraw, ImageEnhance, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
GLYPH_DIR = os.path.join(HERE, "glyphs")


def _load(name: str, path: str):
    spec = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(spec)
    sys.modules[name] = module  # dataclasses look their module up while the class is built
    spec.loader.exec_module(module)
    return module


pixelart = _load("quorvane_pixelart", os.path.join(REPO, "tools", "pixelart.py"))
ardfile = _load("quorvane_ardfile", os.path.join(REPO, "tools", "ardfile.py"))

# ---------------------------------------------------------------------------------------------
# What goes on the disc. File names in the project are CD-relative with a leading backslash.

COVER_SIZE = (200, 150)
COVER_QUALITY = 90
SOUND_RATE = 22050
SOUND_SECONDS = 0.6
SOUND_NAME = "chime.wav"
README_NAME = "ReadMe.txt"
LOGO_NAME = "logo.png"
LOGO_SIZE = (112, 40)
COVER_NAME = "cover.jpg"
COVER_HOT_NAME = "cover-hot.jpg"
PROJECT_NAME = "AutoRun.ard"
CAPTION = "Quorvane Demo"
WEB_SITE = "https://www.example.com/"

# Link actions, window border styles and font style bits as the project file stores them.
ACTION_OPEN_FILE, ACTION_OPEN_URL, ACTION_PLAY_SOUND, ACTION_BROWSE_CD, ACTION_EXIT = 1, 2, 4, 6, 7
BORDER_SINGLE = 1
BEVEL_RAISED = 2
BOLD = 1
GLYPH_LEFT = 0


def rgb(r: int, g: int, b: int) -> int:
    """A colour as the project file stores it: 0x00BBGGRR."""
    return (b << 16) | (g << 8) | r


def glyph_path(name: str, hot: bool = False) -> str:
    return f"\\art\\{name}{'-hot' if hot else ''}.bmp"


README_TEXT = """\
Quorvane Demo Disc
==================

This disc shows a start-up menu made with Quorvane, the designer for the window a CD-ROM
opens when it is inserted.

Everything in the menu is an object placed on a gradient background: the title and the line
under it are labels, the five buttons carry a picture (a glyph) and a caption, and the disc
cover on the right is an image. Point at any of them and it lights up: each object has a hot
look - another font colour, another glyph, another picture - that shows while the mouse is
over it.

Each button runs a link when clicked:

  Read Me      opens this file
  Web Site     opens a web page in the browser
  Play Sound   plays chime.wav from the disc
  Browse CD    opens the disc in a file window
  Exit         closes the menu

The menu itself is the file AutoRun.ard; the program AutoRun.exe beside it shows the menu.
To change it, open this folder in the Quorvane designer, move and edit the objects, and save.

Files on this disc:

  AutoRun.exe, AutoRun.ard   the menu
  ReadMe.txt                 this text
  chime.wav                  the sound behind Play Sound
  cover.jpg, cover-hot.jpg   the cover picture and its lit-up version
  logo.png                   the badge, a PNG picture with soft see-through edges
  art\\                       the button glyphs
"""


# ---------------------------------------------------------------------------------------------
# The files.

def glyph_files() -> dict:
    """{relative path: bytes}: art/<name>.bmp for every demo/glyphs/<name>.txt (the build lists
    its outputs the same way)."""
    files = {}
    for source in sorted(os.listdir(GLYPH_DIR)):
        if source.endswith(".txt"):
            image = pixelart.parse_file(os.path.join(GLYPH_DIR, source))
            files[f"art/{source[:-4]}.bmp"] = pixelart.build_bmp(image)
    return files


def _cover_image() -> Image.Image:
    """A stylised disc box: night-blue gradient, a silver disc with a rainbow sheen, a band of
    title blocks. Drawn at four times the size and reduced, for smooth edges."""
    s = 4
    w, h = COVER_SIZE[0] * s, COVER_SIZE[1] * s
    img = Image.new("RGB", (w, h))
    draw = ImageDraw.Draw(img)
    top, bottom = (12, 24, 70), (40, 90, 170)
    for y in range(h):
        t = y / (h - 1)
        draw.line([(0, y), (w, y)],
                  fill=tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    # faint diagonal light streaks
    for i in range(6):
        x = (i * 37 * s) % w
        draw.line([(x, 0), (x + 60 * s, h)], fill=(60, 110, 190), width=3 * s)
    # the disc
    cx, cy, r = 70 * s, 76 * s, 54 * s
    draw.ellipse([cx - r - 2 * s, cy - r - 2 * s, cx + r + 2 * s, cy + r + 2 * s], fill=(20, 28, 48))
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(196, 202, 210))
    sheen = [(255, 150, 180), (255, 232, 132), (142, 240, 160), (132, 216, 255), (196, 160, 255)]
    for k, colour in enumerate(sheen):
        start = -70 + k * 14
        draw.pieslice([cx - r, cy - r, cx + r, cy + r], start, start + 14, fill=colour)
        draw.pieslice([cx - r, cy - r, cx + r, cy + r], start + 180, start + 194, fill=colour)
    draw.ellipse([cx - 40 * s, cy - 40 * s, cx + 40 * s, cy + 40 * s], outline=(232, 236, 242),
                 width=s)
    hub = 16 * s
    draw.ellipse([cx - hub, cy - hub, cx + hub, cy + hub], fill=(226, 232, 238),
                 outline=(150, 158, 168), width=s)
    hole = 6 * s
    draw.ellipse([cx - hole, cy - hole, cx + hole, cy + hole], fill=(20, 28, 48))
    # title blocks on the right: a bold bar, two thin lines, and a play arrow
    draw.rounded_rectangle([134 * s, 30 * s, 188 * s, 44 * s], radius=3 * s, fill=(255, 208, 64))
    draw.rectangle([134 * s, 52 * s, 184 * s, 55 * s], fill=(220, 230, 250))
    draw.rectangle([134 * s, 61 * s, 176 * s, 64 * s], fill=(160, 180, 220))
    draw.rectangle([134 * s, 70 * s, 180 * s, 73 * s], fill=(160, 180, 220))
    draw.polygon([(148 * s, 92 * s), (148 * s, 124 * s), (176 * s, 108 * s)], fill=(40, 200, 80),
                 outline=(10, 60, 20))
    # the box edge
    draw.rectangle([0, 0, w - 1, h - 1], outline=(8, 12, 30), width=2 * s)
    return img.resize(COVER_SIZE, Image.LANCZOS)


def logo_png() -> bytes:
    """A gold badge with soft, see-through edges: drawn at four times the size and reduced, so
    its rim fades over whatever lies beneath."""
    s = 4
    w, h = LOGO_SIZE[0] * s, LOGO_SIZE[1] * s
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(img)
    draw.rounded_rectangle([2 * s, 2 * s, w - 2 * s, h - 2 * s], radius=14 * s, fill=(255, 208, 64, 230),
                           outline=(255, 246, 200, 255), width=2 * s)
    draw.ellipse([8 * s, 8 * s, 32 * s, 32 * s], fill=(196, 202, 210, 255), outline=(20, 28, 48, 255),
                 width=s)
    draw.ellipse([17 * s, 17 * s, 23 * s, 23 * s], fill=(20, 28, 48, 0))
    for i, x in enumerate(range(40, 104, 16)):
        draw.rectangle([x * s, (14 + (i % 2) * 4) * s, (x + 10) * s, 26 * s], fill=(12, 24, 84, 255))
    out = io.BytesIO()
    img.resize(LOGO_SIZE, Image.LANCZOS).save(out, format="PNG")
    return out.getvalue()


def _jpeg(img: Image.Image) -> bytes:
    out = io.BytesIO()
    img.save(out, format="JPEG", quality=COVER_QUALITY, optimize=False, progressive=False)
    return out.getvalue()


def cover_files() -> dict:
    cover = _cover_image()
    hot = ImageEnhance.Brightness(cover).enhance(1.15)
    hot = ImageEnhance.Color(hot).enhance(1.4)
    # a golden glow around the edge
    glow = Image.new("L", COVER_SIZE, 0)
    ImageDraw.Draw(glow).rectangle([0, 0, COVER_SIZE[0] - 1, COVER_SIZE[1] - 1], outline=255,
                                   width=5)
    glow = glow.filter(ImageFilter.GaussianBlur(3))
    hot = Image.composite(Image.new("RGB", COVER_SIZE, (255, 214, 80)), hot, glow)
    return {COVER_NAME: _jpeg(cover), COVER_HOT_NAME: _jpeg(hot)}


def chime_wav() -> bytes:
    """Two bell-like notes (E6 then A6, a fourth apart), each with a soft octave partial and an
    exponential decay; the second starts a quarter of the way in."""
    frames = round(SOUND_RATE * SOUND_SECONDS)
    notes = ((0.0, 1318.51), (0.15, 1760.0))
    samples = []
    for i in range(frames):
        t = i / SOUND_RATE
        v = 0.0
        for start, freq in notes:
            dt = t - start
            if dt < 0:
                continue
            attack = min(1.0, dt / 0.005)
            decay = math.exp(-dt * 7.0)
            v += attack * decay * (math.sin(2 * math.pi * freq * dt)
                                   + 0.3 * math.sin(2 * math.pi * 2 * freq * dt))
        fade = min(1.0, (frames - 1 - i) / (0.02 * SOUND_RATE))  # no click at the end
        samples.append(round(max(-1.0, min(1.0, 0.35 * v * fade)) * 32767))
    out = io.BytesIO()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SOUND_RATE)
        w.writeframes(struct.pack(f"<{len(samples)}h", *samples))
    return out.getvalue()


def readme_bytes() -> bytes:
    return README_TEXT.replace("\n", "\r\n").encode("cp1252")


# ---------------------------------------------------------------------------------------------
# The menu. Positions are relative to the inner panel: a 600x420 single-border window has a
# client area of about 594x391 in Wine, less 2 pixels of raised bevel on each side.

WHITE = rgb(255, 255, 255)
GOLD = rgb(255, 214, 64)
PALE_BLUE = rgb(176, 208, 255)
LIGHT_CYAN = rgb(200, 240, 255)


def font(size: int, color: int, style: int = 0, name: str = "Arial"):
    # Arial by default: under Wine a bold Tahoma comes out in the regular weight.
    return ardfile.Font(name=name, color=color, size=size, style=style)


def link(action: int, target: str = "", start_directory: str = "", parameters: str = ""):
    return ardfile.Command(action=action, show_command=1, target=target, parameters=parameters,
                           start_directory=start_directory)


BUTTONS = (
    # name, caption, glyph, link, hint
    ("btnReadMe", "Read Me", "readme",
     link(ACTION_OPEN_FILE, f"\\{README_NAME}", "\\"), "Opens ReadMe.txt from the disc"),
    ("btnWebSite", "Web Site", "globe",
     link(ACTION_OPEN_URL, WEB_SITE), "Opens the web site in your browser"),
    ("btnSound", "Play Sound", "sound",
     link(ACTION_PLAY_SOUND, f"\\{SOUND_NAME}"), "Plays a chime from the disc"),
    ("btnBrowse", "Browse CD", "folder",
     link(ACTION_BROWSE_CD), "Shows the files on the disc"),
    ("btnExit", "Exit", "exit",
     link(ACTION_EXIT), "Closes this menu"),
)
BUTTON_LEFT, BUTTON_TOP, BUTTON_WIDTH, BUTTON_HEIGHT, BUTTON_STEP = 28, 96, 210, 44, 52
IMAGE_LEFT, IMAGE_TOP = 320, 104


def build_project():
    p = ardfile.Project(
        caption=CAPTION, width=600, height=420,
        border_style=BORDER_SINGLE, border_icons=1 | 2,  # system menu, minimise
        position=4,  # centred on the screen
        back_color=rgb(12, 24, 84), gradient_color=rgb(64, 132, 216), gradient_style=0,
        bevel_outer=BEVEL_RAISED, bevel_width=2)

    title_font = font(24, WHITE, BOLD)
    p.objects.append(ardfile.Label(
        name="lblTitle", caption=CAPTION, left=26, top=14, width=400, height=42,
        font=title_font, normal_font=title_font, hot_font=font(24, GOLD, BOLD), transparent=True))
    sub_font = font(10, PALE_BLUE, name="Tahoma")
    p.objects.append(ardfile.Label(
        name="lblSubtitle", caption="A start-up menu made with Quorvane. Point at anything, "
        "then click a button.", left=28, top=60, width=520, height=20,
        font=sub_font, normal_font=sub_font, hot_font=font(10, LIGHT_CYAN, name="Tahoma"),
        transparent=True))

    normal = font(11, WHITE, BOLD)
    hot = font(11, GOLD, BOLD)
    for i, (name, caption, glyph, command, hint) in enumerate(BUTTONS):
        p.objects.append(ardfile.Button(
            name=name, caption=caption, hint=hint, link=command,
            left=BUTTON_LEFT, top=BUTTON_TOP + i * BUTTON_STEP, width=BUTTON_WIDTH,
            height=BUTTON_HEIGHT, flat=True, transparent=True, layout=GLYPH_LEFT, margin=10,
            spacing=12, font=normal, normal_font=normal, hot_font=hot,
            glyph_file=glyph_path(glyph), hot_glyph_file=glyph_path(glyph, hot=True)))

    p.objects.append(ardfile.Image(
        name="imgCover", left=IMAGE_LEFT, top=IMAGE_TOP, width=COVER_SIZE[0] + 20,
        height=COVER_SIZE[1] + 20, center=True, stretch=False, hint="The disc cover",
        image_file=f"\\{COVER_NAME}", hot_image_file=f"\\{COVER_HOT_NAME}"))
    p.objects.append(ardfile.Image(
        name="imgLogo", left=IMAGE_LEFT + 54, top=IMAGE_TOP + COVER_SIZE[1] + 40, width=LOGO_SIZE[0],
        height=LOGO_SIZE[1], hint="Made with Quorvane", image_file=f"\\{LOGO_NAME}"))
    return p


def all_files() -> dict:
    """{path relative to the CD folder, '/'-separated: bytes} of the whole folder."""
    files = glyph_files()
    files.update(cover_files())
    files[LOGO_NAME] = logo_png()
    files[README_NAME] = readme_bytes()
    files[SOUND_NAME] = chime_wav()
    files[PROJECT_NAME] = build_project().to_bytes()
    return files


def write_folder(outdir: str) -> list:
    written = []
    for rel, data in sorted(all_files().items()):
        path = os.path.join(outdir, *rel.split("/"))
        pixelart.write_atomically(path, data)
        written.append(path)
    return written


def main(argv: list) -> int:
    if len(argv) != 1:
        print("usage: make_demo.py OUTDIR", file=sys.stderr)
        return 2
    try:
        write_folder(argv[0])
    except pixelart.PixelArtError as e:
        print(f"make_demo: error: {e}", file=sys.stderr)
        return 1
    except OSError as e:
        print(f"make_demo: error: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
