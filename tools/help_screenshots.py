"""Retakes the screenshots of the designer's help page (docs/help/*.png).

Usage (through scripts/help-screenshots.sh, which builds the Windows tree first):
  help_screenshots.py [OUTDIR]          default OUTDIR: docs/help

The real Quorvane.exe of build/win32 runs under Wine on a private Xvfb (the end-to-end rig of
tests/e2e) on a copy of the demo CD folder, and is driven with real clicks and keys: the main
window with its Edit menu open, the canvas with a selection, its own menu and a rubber band, and
the link editor, Form Properties and Button Properties dialogs. Each picture is cropped to the
windows it shows; everything else in the crop is transparent. Pictures are 8-bit palette PNGs, so
that the page that carries them stays small, and a picture that shows what its file shows keeps
its file.

Uses the rig's Wine prefix (build/wineprefix unless QUORVANE_WINEPREFIX says otherwise): do not
run it while end-to-end tests use the same prefix.
"""
from __future__ import annotations

import shutil
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path[:0] = [str(REPO / "tests" / "e2e"), str(REPO / "tools")]

from PIL import Image, ImageChops, ImageDraw  # noqa: E402

from designer_support import Designer  # noqa: E402
from rig import Rect, Rig, build_dir  # noqa: E402

CD_FOLDER = "Demo CD"
DEMO_CAPTION = "Quorvane Demo"  # the demo menu's caption (demo/make_demo.py)
BEVEL = 2  # the demo's outer panel bevel: design-area points lie this far inside the canvas client
# Design-area points on the demo's objects and on its free background.
READ_ME, PLAY_SOUND, COVER, FREE = (120, 118), (120, 222), (430, 190), (560, 380)
BAND_FROM, BAND_TO = (12, 190), (260, 330)  # touches Play Sound, Browse CD and Exit
PALETTE_SIZE = 255  # the last palette entry is the transparent colour


def same_pixels(path: Path, picture: Image.Image) -> bool:
    with Image.open(path) as old:
        return old.size == picture.size and old.convert("RGBA").tobytes() == picture.convert("RGBA").tobytes()


class Shooter:
    def __init__(self, rig: Rig, designer: Designer, outdir: Path):
        self.rig, self.designer, self.outdir = rig, designer, outdir
        self.canvas = designer.canvas(DEMO_CAPTION)

    def at(self, point: tuple[int, int]) -> tuple[int, int]:
        return self.canvas.client.left + BEVEL + point[0], self.canvas.client.top + BEVEL + point[1]

    def settled_screen(self) -> Image.Image:
        """The screen once two looks 0.3 s apart are the same (menus and dialogs drawn)."""
        before = self.rig.screen()
        for _ in range(40):
            time.sleep(0.3)
            now = self.rig.screen()
            if ImageChops.difference(before, now).getbbox() is None:
                return now
            before = now
        raise AssertionError("the screen did not settle")

    def save(self, name: str, *rects: Rect) -> None:
        """Saves the parts of the screen inside `rects`, cropped to them, the rest transparent."""
        screen = self.settled_screen()
        box = (min(r.left for r in rects), min(r.top for r in rects), max(r.right for r in rects),
               max(r.bottom for r in rects))
        outside = Image.new("L", screen.size, 255)
        draw = ImageDraw.Draw(outside)
        for r in rects:
            draw.rectangle((r.left, r.top, r.right - 1, r.bottom - 1), fill=0)
        picture = screen.crop(box).quantize(PALETTE_SIZE, method=Image.Quantize.MEDIANCUT,
                                            dither=Image.Dither.NONE)
        picture.putpalette(picture.getpalette()[:3 * PALETTE_SIZE] + [255, 255, 255])
        picture.paste(PALETTE_SIZE, (0, 0, *picture.size), outside.crop(box))
        picture.info["transparency"] = PALETTE_SIZE
        path = self.outdir / name
        shown = path.relative_to(REPO) if path.is_relative_to(REPO) else path
        if path.exists() and same_pixels(path, picture):
            print(f"{shown}: unchanged")  # its file is kept, so git sees no change
            return
        picture.save(path, optimize=True)
        print(f"{shown}: {picture.size[0]} x {picture.size[1]}, {path.stat().st_size // 1024} KB")

    def dialog(self, title: str, name: str, away_from_edit: bool = False) -> None:
        window = self.designer.app.wait_window(title=title)
        if away_from_edit:
            # The focus on the last button: a blinking caret would make every shot another picture.
            self.rig.key("shift+Tab")
        self.save(name, window.rect)
        self.rig.key("Escape")  # Cancel: the demo stays as it was
        self.designer.wait_closed(window)

    def click(self, point: tuple[int, int], ctrl: bool = False) -> None:
        if ctrl:
            self.rig.xdotool("keydown", "ctrl")
        self.rig.click(*self.at(point))
        if ctrl:
            self.rig.xdotool("keyup", "ctrl")

    def take_all(self) -> None:
        rig, designer = self.rig, self.designer
        rig.move(1023, 767)  # no hint or hot look under the pointer

        # A click on the menu bar's "Edit" opens the menu with no item highlighted.
        rig.click(designer.main.rect.left + 48, designer.main.client.top - 10)
        menu = designer.app.wait_window(cls="#32768")
        self.save("main-window.png", designer.main.rect, menu.rect)
        rig.key("Escape", "Escape")
        rig.wait_until(lambda: not rig.find_windows(cls="#32768"), 5, "the Edit menu to close")

        self.click(READ_ME)
        self.click(COVER, ctrl=True)
        rig.move(*self.at(FREE))
        self.save("canvas-selection.png", self.canvas.rect)

        rig.click(*self.at(READ_ME), button=3)
        menu = designer.app.wait_window(cls="#32768")
        top = self.at((0, 90))[1]
        self.save("canvas-menu.png", menu.rect,
                  Rect(self.canvas.client.left, top, min(menu.rect.right + 16, self.canvas.client.right),
                       min(menu.rect.bottom + 16, self.canvas.client.bottom)))
        rig.key("Escape")
        rig.wait_until(lambda: not rig.find_windows(cls="#32768"), 5, "the canvas menu to close")

        rig.move(*self.at(BAND_FROM))
        rig.mouse_down()
        for i in range(1, 6):
            rig.move(*self.at((BAND_FROM[0] + (BAND_TO[0] - BAND_FROM[0]) * i // 5,
                               BAND_FROM[1] + (BAND_TO[1] - BAND_FROM[1]) * i // 5)))
        left, top = self.at((0, 150))
        right, bottom = self.at((300, 370))
        self.save("rubber-band.png", Rect(left, top, right, bottom))
        rig.mouse_up()

        self.click(FREE)  # a click on a selected object would keep the whole selection
        self.click(PLAY_SOUND)
        designer.press("ctrl+l")
        self.dialog("Edit Link", "link-editor.png")

        self.click(READ_ME)
        designer.press("ctrl+p")
        self.dialog("Button Properties", "button-properties.png", away_from_edit=True)

        designer.tool("Form Properties")
        self.dialog("Form Properties", "form-properties.png", away_from_edit=True)


def shoot(rig: Rig, work: Path, outdir: Path) -> None:
    """Takes every picture into `outdir` with `rig`, which is booted and has a test begun.
    tests/e2e/test_help_pictures.py takes them too."""
    cd = rig.prefix / "drive_c" / CD_FOLDER  # on the prefix's drive C: the captions show a short name
    shutil.rmtree(cd, ignore_errors=True)
    outdir.mkdir(parents=True, exist_ok=True)
    shutil.copytree(build_dir() / "demo" / "CD", cd)
    try:
        designer = Designer(rig, work, cd, cd_winpath="C:\\" + CD_FOLDER).start()
        Shooter(rig, designer, outdir).take_all()
        designer.app.kill()
    finally:
        shutil.rmtree(cd, ignore_errors=True)


def main(argv: list[str]) -> int:
    outdir = Path(argv[1]).resolve() if len(argv) > 1 else REPO / "docs" / "help"
    demo = build_dir() / "demo" / "CD"
    if not (demo / "AutoRun.ard").exists():
        print(f"no demo CD folder in {demo}: build the Windows tree first", file=sys.stderr)
        return 1
    outdir.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="help-screenshots-") as tmp:
        work = Path(tmp)
        rig = Rig(work / "rig")
        try:
            rig.boot()
            rig.begin_test()
            shoot(rig, work, outdir)
        finally:
            rig.cleanup_test()
            rig.shutdown()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
