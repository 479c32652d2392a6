"""The designer as the end-to-end tests drive it: Quorvane.exe in a folder of its own with a
Quorvane.ini naming the CD folder, its main window and its canvas, the tool bar's buttons, points
on the design area, and the project as saved."""
from __future__ import annotations

import os
from typing import Optional

import ardfile
from rig import AppFolder, Window

DESIGNER_SUFFIX = " - Quorvane"
OLD_TIME_NS = 1_000_000_000 * 1_000_000_000  # 2001-09-09: a modification time no save leaves behind
# Left edges of the tool bar's buttons (39 x 38) in the main window's client area.
TOOL_X = {"Open": 0, "Save": 39, "Save and Test": 78, "Form Properties": 125, "Object Properties": 164,
          "Object Link": 203, "Select": 250, "Add Label": 289, "Add Button": 328, "Add Image": 367,
          "CD Icon": 414}


FOLDER_PROMPT = "Select the folder for CD files"  # the title of the folder picker of Open


def is_main_window(title: str, cd_winpath: str) -> bool:
    """The main window's caption names the CD folder, after a "*" while there are unsaved changes."""
    return title.removeprefix("*") == cd_winpath + DESIGNER_SUFFIX


def ini_bytes(text: str) -> bytes:
    """Quorvane.ini's bytes for its text: the code page while it holds every letter, else UTF-8
    behind its mark, as the designer writes it."""
    return ardfile.encode_text(text)


def ini_text(data: bytes) -> str:
    return ardfile.decode_text(data)


def stamp_old(path) -> None:
    os.utime(path, ns=(OLD_TIME_NS, OLD_TIME_NS))


def client_point(window: Window, x: int, y: int, w: int = 0, h: int = 0) -> tuple[int, int]:
    """The screen point of the middle of a control laid out at x, y, w, h in the window's client area."""
    return window.client.left + x + w // 2, window.client.top + y + h // 2


class Designer:
    """Quorvane.exe in a folder of its own with a Quorvane.ini that names the CD folder."""

    def __init__(self, rig, tmp_path, cd_folder, cd_winpath: Optional[str] = None):
        self.rig = rig
        self.folder = AppFolder(rig, tmp_path / "designer")
        self.exe = self.folder.add_quorvane("Quorvane.exe")
        self.cd = cd_folder
        self.cd_winpath = cd_winpath or rig.winpath(cd_folder)
        self.ini = self.folder / "Quorvane.ini"
        self.ini_text = ini_bytes(f"DefaultPath={self.cd_winpath}\r\n")
        self.ini.write_bytes(self.ini_text)
        stamp_old(self.ini)
        self.app = None
        self.main = None

    def start(self):
        self.app = self.folder.start("Quorvane.exe")
        self.main = self.main_window(timeout=30)
        return self

    def main_window(self, cd_winpath: Optional[str] = None, timeout: float = 20) -> Window:
        cd = cd_winpath or self.cd_winpath
        return self.app.wait_window(where=lambda w: is_main_window(w.title, cd), timeout=timeout)

    def canvas(self, caption: str = "AutoRun") -> Window:
        return self.app.wait_window(title=caption + " [Design]")

    def press(self, keys: str) -> None:
        self.rig.focus(self.main)
        self.rig.key(keys)

    def wait_closed(self, window: Window) -> None:
        self.rig.wait_until(lambda: not self.rig.find_windows(where=lambda w: w.hwnd == window.hwnd), 10,
                            f"{window} to close", app=self.app)

    def retype(self, point: tuple[int, int], text: str) -> None:
        """Clicks into an edit box and replaces its whole text by typing."""
        self.rig.click(*point)
        self.rig.key("End", "shift+Home")
        self.rig.type_text(text)

    def file_dialog(self) -> Window:
        """Wine's open-file dialog once its file list is drawn (keys typed before that are lost)."""
        picker = self.app.wait_window(title="Open")
        self.rig.wait_for_pixel(*client_point(picker, 320, 160), (255, 255, 255), timeout=20)
        return picker

    def folder_picker(self) -> tuple[Window, list[dict]]:
        """The folder picker of Open once it lists the folder it opened in: the window and the
        rows of its list (keys typed before that are lost)."""
        picker = self.app.wait_window(title=FOLDER_PROMPT)

        def listed():
            try:
                return (self.rig.list_rows(picker),)
            except AssertionError:  # no list yet
                return None
        return picker, self.rig.wait_until(listed, 20, "the folder picker's list")[0]

    def tool(self, hint: str, scale: float = 1) -> None:
        """Clicks a tool bar button by its hint (on a screen at `scale` times 96 DPI)."""
        self.rig.click(self.main.client.left + int((TOOL_X[hint] + 19) * scale),
                       self.main.client.top + int(19 * scale))

    def at(self, x: int, y: int) -> tuple[int, int]:
        """The screen point of design-area point x, y (the canvas client has no bevels here)."""
        client = self.canvas_window.client
        return client.left + x, client.top + y

    @property
    def canvas_window(self) -> Window:
        return self.app.wait_window(cls="TEditForm")

    def drag(self, start: tuple[int, int], end: tuple[int, int], steps: int = 5, ctrl: bool = False,
             alt: bool = False, before_release=None) -> None:
        """A real left-button drag between two design-area points, in a few moves, with Ctrl or Alt
        held throughout; `before_release` runs with the button still down at the end."""
        rig = self.rig
        held = [key for key, down in (("ctrl", ctrl), ("alt", alt)) if down]
        rig.move(*self.at(*start))
        for key in held:
            rig.xdotool("keydown", key)
        rig.mouse_down()
        for i in range(1, steps + 1):
            rig.move(*self.at(start[0] + (end[0] - start[0]) * i // steps, start[1] + (end[1] - start[1]) * i // steps))
        if before_release:
            before_release()
        rig.mouse_up()
        for key in held:
            rig.xdotool("keyup", key)

    def wait_saved(self) -> None:
        """The folder is remembered last: once Quorvane.ini is rewritten, the save is over."""
        __tracebackhide__ = True
        want = [f"{key}={self.cd_winpath}\r\n" for key in ("DefaultPath", "RecentFolder1")]
        self.rig.wait_until(lambda: self.ini.stat().st_mtime_ns != OLD_TIME_NS
                            and all(w in ini_text(self.ini.read_bytes()) for w in want),
                            20, "Quorvane.ini to be rewritten by the save", app=self.app)

    def saved_project(self) -> ardfile.Project:
        """Saves with Ctrl+S and reads the project file back."""
        stamp_old(self.ini)
        self.press("ctrl+s")
        self.wait_saved()
        return ardfile.read_project((self.cd / "AutoRun.ard").read_bytes())

    def assert_ini_untouched(self) -> None:
        assert self.ini.read_bytes() == self.ini_text
        assert self.ini.stat().st_mtime_ns == OLD_TIME_NS, "Quorvane.ini was rewritten"
