"""Tests for tools/ardfile.py, the project-file writer: sizes and byte positions of the layout (no
Wine needed). Run: python3 -m pytest -q tools/test_ardfile.py"""
import struct

import pytest

import ardfile
from ardfile import Button, Command, Font, FormatError, Image, Label, Project, read_project


def test_new_project_with_caption_autorun_is_181_bytes():
    data = Project().to_bytes()
    assert len(data) == 181


def test_new_project_bytes_in_order():
    data = Project().to_bytes()
    assert data[:4] == bytes([0x55, 0xAA, 0xAA, 0x55])
    assert data[4:12] == b"\0" * 8  # IconFile "", StartSoundFile ""
    assert data[12:16] == bytes([0x00, 0x00, 0xFF, 0x00])  # BackColor 0xFF0000 (blue)
    assert data[16:20] == bytes([0xFF, 0xFF, 0xFF, 0x00])  # GradientColor
    assert data[20] == 1  # GradientStyle
    assert data[21] == 0 and struct.unpack_from("<i", data, 22)[0] == 1  # StartLink Action, ShowCommand
    assert data[26:42] == b"\0" * 16  # StartLink's four empty strings
    assert data[42:44] == bytes([1, 2])  # BorderIcons, BorderStyle Sizeable
    assert struct.unpack_from("<i", data, 44)[0] == 0  # BorderWidth
    assert data[48:59] == struct.pack("<i", 7) + b"AutoRun"  # Caption
    assert struct.unpack_from("<i", data, 59)[0] == 420  # Height
    width_at = 59 + 4 + 4 + 1 + 4
    assert struct.unpack_from("<i", data, width_at)[0] == 600
    assert struct.unpack_from("<i", data, 181 - 84 - 4)[0] == 0  # object count
    assert data[181 - 84:] == b"\0" * 84  # reserved word and filler


def test_caption_length_changes_the_size():
    assert len(Project(caption="Quorvane Test").to_bytes()) == 181 - 7 + len("Quorvane Test")


def test_objects_round_trip():
    p = Project(caption="Menu", back_color=0x123456, start_sound_file="start.wav",
                start_link=Command(action=2, target="setup.exe", parameters="/q", start_directory="."))
    p.objects += [
        Label(caption="Title", left=5, top=6, font=Font(name="Tahoma", size=14, style=1, color=0x00FF00)),
        Button(caption="&Install", link=Command(action=1, target="marker.exe"), left=40, top=300),
        Image(image_file="logo.bmp", stretch=True, width=64, height=48),
    ]
    data = p.to_bytes()
    assert data[4 + 0:4 + 4] == b"\0\0\0\0"
    assert read_project(data) == p


def test_object_block_sizes():
    empty = len(Project().to_bytes())
    font = 4 + len("Arial") + 4 + 4 + 1
    common = 1 + (1 + 4 + 4 * 4) + 4 * 3 + 2 * font + 4 * 2  # kind, link, strings, fonts, strings
    label = Label(caption="", hint="", name="")
    assert len(Project(objects=[label]).to_bytes()) - empty == common + 1 + 1 + 4 + 4 + font + 4 + 4 + 1 + 4 + 4 + 4 + 1 + 4 + 1
    image = Image(hint="", name="")
    assert len(Project(objects=[image]).to_bytes()) - empty == common + 1 + 1 + 4 + 4 + 4 + 4 + 1 + 4 + 1 + 4


def test_broken_files_are_refused_by_the_reader():
    data = Project().to_bytes(signature=0x56AAAA55)
    assert data[:4] == bytes([0x55, 0xAA, 0xAA, 0x56])
    with pytest.raises(FormatError):
        read_project(data)
    good = Project().to_bytes()
    with pytest.raises(FormatError):
        read_project(good[:30])
    with pytest.raises(FormatError):
        read_project(good + b"\0")


def test_project_block_end():
    p = Project()
    assert p.project_block_end() == 181 - 84
    assert ardfile.FILLER_WORDS == 20
