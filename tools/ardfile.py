"""Writes (and reads back) Quorvane's project file AutoRun.ard without the designer: the demo CD
folder is built with it (demo/make_demo.py), and the tests prepare and check projects with it.

The file, little-endian throughout:
  uint32 signature 0x55AAAA55 (bytes 55 AA AA 55) | project block | uint32 reserved (0) |
  20 uint32 filler words
Value types: int32; colour = uint32 0x00BBGGRR; byte; bool (one byte, 0/1); set (one byte);
string = int32 length n + n bytes (Windows-1252, or EF BB BF + UTF-8 for any other text; no
terminator); font = Name, Color, Size, Style;
command = Action, ShowCommand, SoundFile, Target, Parameters, StartDirectory.

Usage:
    p = Project(caption="Quorvane Test", width=600)
    p.objects.append(Label(caption="Hello", left=10, top=10))
    path.write_bytes(p.to_bytes())
    assert read_project(path.read_bytes()) == p
The defaults of Project are those of a new project.
"""
from __future__ import annotations

import struct
from dataclasses import dataclass, field
from typing import ClassVar, Union

SIGNATURE = 0x55AAAA55
FILLER_WORDS = 20
ENCODING = "cp1252"
# A text the code page lacks a letter of is stored as this mark followed by its UTF-8.
UTF8_MARK = b"\xef\xbb\xbf"


def encode_text(text: str) -> bytes:
    """A string's stored bytes: the code page where it holds every letter, else marked UTF-8."""
    try:
        data = text.encode(ENCODING)
    except UnicodeEncodeError:
        return UTF8_MARK + text.encode("utf-8")
    if data.startswith(UTF8_MARK):  # would read back as UTF-8
        return UTF8_MARK + text.encode("utf-8")
    return data


def decode_text(data: bytes) -> str:
    """A stored string's text: marked UTF-8, else the code page."""
    if data.startswith(UTF8_MARK):
        try:
            return data[len(UTF8_MARK):].decode("utf-8")
        except UnicodeDecodeError:
            pass
    return data.decode(ENCODING)

# Object kinds.
KIND_LABEL, KIND_BUTTON, KIND_IMAGE = 0, 1, 2
# Window border styles.
BORDER_SIZEABLE = 2

# Field types of the layouts below.
I32, COLOR, BYTE, BOOL, SET, STR, FONT, COMMAND = "i32", "color", "byte", "bool", "set", "str", "font", "command"


class FormatError(ValueError):
    """The bytes are not a project file of this layout (wrong signature, cut short, ...)."""


class _Writer:
    def __init__(self):
        self.out = bytearray()

    def value(self, kind: str, v) -> None:
        if kind == I32:
            self.out += struct.pack("<i", v)
        elif kind == COLOR:
            self.out += struct.pack("<I", v)
        elif kind in (BYTE, SET):
            self.out += struct.pack("<B", v)
        elif kind == BOOL:
            self.out += struct.pack("<B", 1 if v else 0)
        elif kind == STR:
            data = v if isinstance(v, bytes) else encode_text(v)
            self.out += struct.pack("<i", len(data)) + data
        elif kind in (FONT, COMMAND):
            self.record(v)
        else:
            raise ValueError(kind)

    def record(self, rec) -> None:
        for name, kind in rec.LAYOUT:
            self.value(kind, getattr(rec, name))


class _Reader:
    def __init__(self, data: bytes):
        self.data, self.pos = data, 0

    def take(self, n: int) -> bytes:
        if n < 0 or self.pos + n > len(self.data):
            raise FormatError(f"cut short at byte {self.pos} (wanted {n} more of {len(self.data)})")
        chunk = self.data[self.pos:self.pos + n]
        self.pos += n
        return chunk

    def value(self, kind: str):
        if kind == I32:
            return struct.unpack("<i", self.take(4))[0]
        if kind == COLOR:
            return struct.unpack("<I", self.take(4))[0]
        if kind in (BYTE, SET):
            return self.take(1)[0]
        if kind == BOOL:
            return self.take(1)[0] != 0
        if kind == STR:
            return decode_text(self.take(self.value(I32)))
        if kind == FONT:
            return self.record(Font)
        if kind == COMMAND:
            return self.record(Command)
        raise ValueError(kind)

    def record(self, cls):
        return cls(**{name: self.value(kind) for name, kind in cls.LAYOUT})


@dataclass
class Font:
    name: str = "Arial"
    color: int = 0x000000
    size: int = 10
    style: int = 0
    LAYOUT: ClassVar = (("name", STR), ("color", COLOR), ("size", I32), ("style", SET))


@dataclass
class Command:
    """What a click (or the start) does."""
    action: int = 0
    show_command: int = 1  # SW_SHOWNORMAL
    sound_file: str = ""
    target: str = ""
    parameters: str = ""
    start_directory: str = ""
    LAYOUT: ClassVar = (("action", BYTE), ("show_command", I32), ("sound_file", STR), ("target", STR),
                        ("parameters", STR), ("start_directory", STR))


_COMMON = (("link", COMMAND), ("reserved", STR), ("hot_glyph_file", STR), ("hot_image_file", STR),
           ("hot_font", FONT), ("normal_font", FONT), ("glyph_file", STR), ("image_file", STR))


@dataclass
class _Object:
    link: Command = field(default_factory=Command)
    reserved: str = ""
    hot_glyph_file: str = ""
    hot_image_file: str = ""
    hot_font: Font = field(default_factory=Font)
    normal_font: Font = field(default_factory=Font)
    glyph_file: str = ""
    image_file: str = ""


@dataclass
class Label(_Object):
    alignment: int = 0
    auto_size: bool = False
    caption: str = "Label"
    color: int = 0xFFFFFF
    font: Font = field(default_factory=Font)
    height: int = 20
    hint: str = ""
    layout: int = 0
    left: int = 0
    name: str = "Label1"
    top: int = 0
    transparent: bool = True
    width: int = 100
    word_wrap: bool = False
    KIND: ClassVar = KIND_LABEL
    LAYOUT: ClassVar = _COMMON + (
        ("alignment", BYTE), ("auto_size", BOOL), ("caption", STR), ("color", COLOR), ("font", FONT),
        ("height", I32), ("hint", STR), ("layout", BYTE), ("left", I32), ("name", STR), ("top", I32),
        ("transparent", BOOL), ("width", I32), ("word_wrap", BOOL))


@dataclass
class Button(_Object):
    caption: str = "Button"
    flat: bool = False
    font: Font = field(default_factory=Font)
    height: int = 25
    hint: str = ""
    layout: int = 0
    left: int = 0
    margin: int = -1
    name: str = "Button1"
    spacing: int = 4
    top: int = 0
    transparent: bool = False
    width: int = 75
    KIND: ClassVar = KIND_BUTTON
    LAYOUT: ClassVar = _COMMON + (
        ("caption", STR), ("flat", BOOL), ("font", FONT), ("height", I32), ("hint", STR), ("layout", BYTE),
        ("left", I32), ("margin", I32), ("name", STR), ("spacing", I32), ("top", I32), ("transparent", BOOL),
        ("width", I32))


@dataclass
class Image(_Object):
    auto_size: bool = False
    center: bool = False
    height: int = 100
    hint: str = ""
    left: int = 0
    name: str = "Image1"
    stretch: bool = False
    top: int = 0
    transparent: bool = False
    width: int = 100
    KIND: ClassVar = KIND_IMAGE
    LAYOUT: ClassVar = _COMMON + (
        ("auto_size", BOOL), ("center", BOOL), ("height", I32), ("hint", STR), ("left", I32), ("name", STR),
        ("stretch", BOOL), ("top", I32), ("transparent", BOOL), ("width", I32))


AnyObject = Union[Label, Button, Image]
_KINDS = {cls.KIND: cls for cls in (Label, Button, Image)}


@dataclass
class Project:
    icon_file: str = ""
    start_sound_file: str = ""
    back_color: int = 0xFF0000
    gradient_color: int = 0xFFFFFF
    gradient_style: int = 1
    start_link: Command = field(default_factory=Command)
    border_icons: int = 1
    border_style: int = BORDER_SIZEABLE
    border_width: int = 0
    caption: str = "AutoRun"
    height: int = 420
    left: int = 0
    position: int = 0
    top: int = 0
    width: int = 600
    window_state: int = 0
    transparent_color_value: int = 0
    transparent_color: bool = False
    panel_border_style: int = 0
    bevel_inner: int = 0
    bevel_outer: int = 0
    bevel_width: int = 1
    panel_border_width: int = 0
    objects: list = field(default_factory=list)
    LAYOUT: ClassVar = (
        ("icon_file", STR), ("start_sound_file", STR), ("back_color", COLOR), ("gradient_color", COLOR),
        ("gradient_style", BYTE), ("start_link", COMMAND), ("border_icons", SET), ("border_style", BYTE),
        ("border_width", I32), ("caption", STR), ("height", I32), ("left", I32), ("position", BYTE), ("top", I32),
        ("width", I32), ("window_state", BYTE), ("transparent_color_value", COLOR), ("transparent_color", BOOL),
        ("panel_border_style", BYTE), ("bevel_inner", BYTE), ("bevel_outer", BYTE), ("bevel_width", I32),
        ("panel_border_width", I32))

    def to_bytes(self, signature: int = SIGNATURE, filler: tuple[int, ...] = (0,) * FILLER_WORDS) -> bytes:
        """The whole file. `signature` and `filler` may be changed to make broken files."""
        if len(filler) != FILLER_WORDS:
            raise ValueError(f"{FILLER_WORDS} filler words, not {len(filler)}")
        w = _Writer()
        w.value(COLOR, signature)
        w.record(self)
        w.value(I32, len(self.objects))
        for obj in self.objects:
            w.value(BYTE, obj.KIND)
            w.record(obj)
        w.value(COLOR, 0)  # the reserved word
        for word in filler:
            w.value(COLOR, word)
        return bytes(w.out)

    def project_block_end(self) -> int:
        """The offset just past the project block (before the reserved word)."""
        return len(self.to_bytes()) - 4 * (1 + FILLER_WORDS)


def read_project(data: bytes) -> Project:
    """Parses a whole project file; raises FormatError on a wrong signature or cut-short data."""
    r = _Reader(data)
    signature = r.value(COLOR)
    if signature != SIGNATURE:
        raise FormatError(f"signature {signature:#010x}, not {SIGNATURE:#010x}")
    project = r.record(Project)
    count = r.value(I32)
    if count < 0:
        raise FormatError(f"negative object count {count}")
    for _ in range(count):
        kind = r.value(BYTE)
        if kind not in _KINDS:
            raise FormatError(f"unknown object kind {kind} at byte {r.pos - 1}")
        project.objects.append(r.record(_KINDS[kind]))
    r.take(4 * (1 + FILLER_WORDS))
    if r.pos != len(data):
        raise FormatError(f"{len(data) - r.pos} bytes after the end")
    return project
