"""Helpers of the player behaviour and deployment tests: media files written from Python (WAV
tones, BMP pictures, ICO icons), the sound sink's streams, pixel counts on the screen and the
X cursor shown at the pointer.

The sound sink: ALSA's file plugin with ``truncate false`` never appends to a file that exists;
every stream opened after the first one of a session goes to a new file beside it,
``<sound_path>.0001``, ``.0002``, ... So one sound played = one new stream file, and the bytes
of a stream are the samples as the program played them (a 22050 Hz 16-bit mono WAV lands as
the same PCM bytes).
"""
from __future__ import annotations

import ctypes
import math
import struct
import time
import wave
from pathlib import Path
from typing import Callable, Iterable, Optional

from rig import Rect, Rig, same_color

RATE = 22050  # samples per second of the WAV files written here (16-bit mono)


# --- media files ---------------------------------------------------------------------------------

def tone_samples(seconds: float, freq: float, amplitude: int = 12000, rate: int = RATE) -> bytes:
    """A sine tone as 16-bit little-endian mono PCM."""
    period = [int(amplitude * math.sin(2 * math.pi * freq * i / rate)) for i in range(rate)]
    one_second = struct.pack(f"<{rate}h", *period)
    whole, part = divmod(int(seconds * rate), rate)
    return one_second * whole + one_second[:2 * part]


def write_wav(path: Path, samples: bytes, rate: int = RATE) -> Path:
    """Writes 16-bit mono PCM samples as a WAV file; returns the path."""
    path.parent.mkdir(parents=True, exist_ok=True)
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(samples)
    return path


def write_bmp(path: Path, size: tuple[int, int], rgb: tuple[int, int, int],
              bottom_row: Optional[tuple[int, int, int]] = None) -> Path:
    """A 24-bit BMP of one colour; `bottom_row` paints the last row another colour (a button
    glyph's transparent colour is taken from its bottom-left pixel)."""
    from PIL import Image as PILImage
    img = PILImage.new("RGB", size, rgb)
    if bottom_row is not None:
        for x in range(size[0]):
            img.putpixel((x, size[1] - 1), bottom_row)
    path.parent.mkdir(parents=True, exist_ok=True)
    img.save(path, format="BMP")
    return path


def write_ico(path: Path, rgb: tuple[int, int, int]) -> Path:
    """A 32x32 icon of one colour."""
    from PIL import Image as PILImage
    path.parent.mkdir(parents=True, exist_ok=True)
    PILImage.new("RGB", (32, 32), rgb).save(path, format="ICO", sizes=[(32, 32)])
    return path


def icon_entries(data: bytes) -> list[tuple[int, int]]:
    """The (width, height) of every image of an .ico file (0 in the directory means 256).
    Raises AssertionError when the bytes are not an icon file."""
    assert len(data) >= 6 and data[:4] == b"\x00\x00\x01\x00", f"not an icon file: starts {data[:4].hex()}"
    count = struct.unpack_from("<H", data, 4)[0]
    assert count >= 1 and len(data) >= 6 + 16 * count, f"icon directory of {count} entries in {len(data)} bytes"
    sizes = []
    for i in range(count):
        width, height = data[6 + 16 * i], data[7 + 16 * i]
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        assert size > 0 and offset + size <= len(data), f"icon image {i} lies outside the file"
        sizes.append((width or 256, height or 256))
    return sizes


# --- the sound sink --------------------------------------------------------------------------------

class SoundStreams:
    """The streams of the rig's sound sink: the session's first stream is ``sound_path`` itself,
    every later one ``sound_path.NNNN``."""

    def __init__(self, rig: Rig):
        self.rig = rig

    def all(self) -> list[Path]:
        return self.rig.sound_streams()

    def names(self) -> set[str]:
        return {p.name for p in self.all()}

    def since(self, before: set[str]) -> list[Path]:
        """The streams opened after `before` (a names() snapshot), oldest first."""
        return [p for p in self.all() if p.name not in before]

    @staticmethod
    def size(p: Path) -> int:
        try:
            return p.stat().st_size
        except FileNotFoundError:
            return 0

    def bytes_since(self, before: set[str]) -> int:
        return sum(self.size(p) for p in self.since(before))


def wait_until_settled(rig: Rig, sizes: Callable[[], tuple], quiet: float, timeout: float, what: str):
    """Waits until `sizes()` has not changed for `quiet` seconds; returns the last value."""
    __tracebackhide__ = True
    state = {"value": None, "since": time.monotonic()}

    def settled():
        value = sizes()
        now = time.monotonic()
        if value != state["value"]:
            state["value"], state["since"] = value, now
            return False
        return now - state["since"] >= quiet

    rig.wait_until(settled, timeout, what)
    return state["value"]


# --- the screen -----------------------------------------------------------------------------------

def count_color(img, rect: Rect, rgb: Iterable[int], tolerance: int = 24) -> int:
    """How many pixels of `img` (a screen shot) inside `rect` have about the colour `rgb`."""
    rgb = tuple(rgb)
    return sum(1 for p in img.crop(rect.box).getdata() if same_color(p, rgb, tolerance))


def assert_holds(rig: Rig, condition: Callable[[], bool], during: float, what: str) -> None:
    """Fails as soon as `condition()` is false within `during` seconds (for what must NOT change)."""
    __tracebackhide__ = True
    deadline = time.monotonic() + during
    while True:
        if not condition():
            raise AssertionError(f"no longer true: {what}")
        if time.monotonic() >= deadline:
            return
        time.sleep(0.1)


class _XFixesCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def cursor_shape(display: str) -> tuple:
    """The cursor the X server shows at the pointer now: (width, height, xhot, yhot, ARGB pixels),
    read with XFixesGetCursorImage."""
    x11 = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_XFixesCursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        raise AssertionError(f"cannot open X display {display}")
    try:
        ptr = xfixes.XFixesGetCursorImage(dpy)
        if not ptr:
            raise AssertionError("XFixesGetCursorImage gave nothing")
        img = ptr.contents
        pixels = tuple(img.pixels[i] & 0xFFFFFFFF for i in range(img.width * img.height))
        shape = (img.width, img.height, img.xhot, img.yhot, pixels)
        x11.XFree(ptr)
        return shape
    finally:
        x11.XCloseDisplay(dpy)


def wait_for_cursor(rig: Rig, want: Callable[[tuple], bool], what: str, timeout: float = 10.0) -> tuple:
    """Waits until the cursor at the pointer satisfies `want`; returns its shape."""
    __tracebackhide__ = True
    seen = []

    def check():
        seen[:] = [cursor_shape(rig.display)]
        return want(seen[0])

    rig.wait_until(check, timeout, what)
    return seen[0]


# --- windows ----------------------------------------------------------------------------------------

def settled_window(rig: Rig, title: str, where: Callable, timeout: float = 30.0, app=None):
    """Waits for a visible window titled `title` (also matching `where(window)`) whose place and
    size are the same in two looks 0.1 s apart (the player sizes its window, then moves it)."""
    __tracebackhide__ = True
    last = {}

    def settled():
        found = rig.find_windows(title=title, where=where)
        if not found:
            last.clear()
            return None
        w = found[0]
        before = last.get(w.hwnd)
        last.clear()
        last[w.hwnd] = (w.rect, w.client)
        return w if before == (w.rect, w.client) else None

    return rig.wait_until(settled, timeout, f"the window {title!r} to settle", app=app)
