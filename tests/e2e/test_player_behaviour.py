"""The player's behaviour under real input: hot tracking while the mouse moves, the links that
real clicks run, the cursor over objects, and what happens at start-up (start sound, start
link, caption, window icon).

Objects sit on the inner panel, whose top-left is the client area's top-left (the projects here
have no panel bevels or border): an object at Left, Top shows at window.client.left + Left,
window.client.top + Top on the screen.
"""
from __future__ import annotations

import json

import pytest

from ardfile import Button, Command, Font, Image, Label, Project
from behaviour_support import (SoundStreams, assert_holds, count_color, cursor_shape, settled_window,
                               tone_samples, wait_for_cursor, wait_until_settled, write_bmp, write_ico, write_wav)
from rig import Rect, colorref_rgb, same_color

# Link actions.
NO_ACTION, OPEN_FILE, PLAY_SOUND, PRINT_FILE, EXIT = 0, 1, 4, 5, 7

BACKGROUND = 0x400000  # a dark blue, as COLORREF
NO_GRADIENT = 8
WHITE, RED, BLUE = 0xFFFFFF, 0x0000FF, 0xFF0000  # COLORREF: font colours (normal, hot, a button's normal)
WHITE_RGB, RED_RGB, BLUE_RGB = colorref_rgb(WHITE), colorref_rgb(RED), colorref_rgb(BLUE)
GREEN_RGB, MAGENTA_RGB, TEAL_RGB = (0, 255, 0), (255, 0, 255), (0, 128, 128)

FILE_NOT_FOUND = "The specified file was not found."
NO_ASSOCIATION = "There is no application associated with the given filename extension."


def menu(caption: str, objects: list, **kw) -> Project:
    """A project with a flat dark background (no gradient), so object colours stand out."""
    return Project(caption=caption, back_color=BACKGROUND, gradient_style=NO_GRADIENT, objects=objects, **kw)


def big_font(color: int) -> Font:
    return Font(name="Arial", color=color, size=20, style=1)  # bold


def label(name: str, caption: str, left: int, top: int, width: int = 220, height: int = 40, **kw) -> Label:
    return Label(name=name, caption=caption, left=left, top=top, width=width, height=height, font=big_font(WHITE),
                 normal_font=big_font(WHITE), hot_font=big_font(RED), **kw)


def start_menu(rig, app_folder, project: Project):
    """Writes the project, starts the player and waits until its window has settled in its
    place with the background drawn (its colour at the client's top-left corner)."""
    app_folder.add_quorvane("AutoRun.exe")
    app_folder.write_project(project)
    app = app_folder.start("AutoRun.exe")
    background = colorref_rgb(project.back_color)

    def drawn():
        window = settled_window(rig, project.caption, app.owns, app=app)
        return window if same_color(rig.pixel(window.client.left + 1, window.client.top + 1), background, 8) else None

    return app, rig.wait_until(drawn, 30, f"the menu {project.caption!r} drawn in its place", app=app)


def area(window, obj) -> Rect:
    """An object's rectangle on the screen."""
    left, top = window.client.left + obj.left, window.client.top + obj.top
    return Rect(left, top, left + obj.width, top + obj.height)


def centre(window, obj) -> tuple[int, int]:
    return area(window, obj).center


def background_point(window) -> tuple[int, int]:
    """A point of the client area that no object of these tests covers."""
    return (window.client.right - 20, window.client.bottom - 20)


def wait_for_look(rig, what: str, check, timeout: float = 10.0):
    """Waits until check(screen) holds; the failure names the counts last seen."""
    __tracebackhide__ = True
    last = {}

    def look():
        ok, counts = check(rig.screen())
        last.update(counts)
        return ok

    try:
        rig.wait_until(look, timeout, what)
    except AssertionError as e:
        raise AssertionError(f"{e}\npixel counts last seen: {last}") from None


def font_counts(img, rect: Rect) -> dict:
    return {"red": count_color(img, rect, RED_RGB, 40), "white": count_color(img, rect, WHITE_RGB, 40)}


def hot(counts: dict) -> bool:
    return counts["red"] >= 40 and counts["white"] == 0


def normal(counts: dict) -> bool:
    return counts["white"] >= 40 and counts["red"] == 0


# --- hot tracking ------------------------------------------------------------------------------------

class TestHotTracking:
    def test_labels_swap_fonts_as_the_mouse_moves_over_them(self, rig, app_folder):
        a = label("LabelA", "AAAA AAAA", 40, 40)
        b = label("LabelB", "BBBB BBBB", 40, 80)  # directly below A: no background between them
        app, window = start_menu(rig, app_folder, menu("Hot Labels", [a, b]))
        ra, rb = area(window, a), area(window, b)

        def looks(want_a, want_b):
            def check(img):
                ca, cb = font_counts(img, ra), font_counts(img, rb)
                return want_a(ca) and want_b(cb), {"A": ca, "B": cb}
            return check

        wait_for_look(rig, "both labels in their normal white font", looks(normal, normal))
        rig.move(*centre(window, a))
        wait_for_look(rig, "label A hot (red), B normal", looks(hot, normal))
        rig.move(*centre(window, b))  # straight from A onto B
        wait_for_look(rig, "label A normal again and B hot, together", looks(normal, hot))
        rig.move(*background_point(window))
        wait_for_look(rig, "both labels normal once the mouse is over the background", looks(normal, normal))
        app.assert_running()

    def test_button_shows_its_hot_glyph_and_font_while_hot(self, rig, app_folder):
        # The button face is light: its normal caption is blue here, its hot caption red.
        write_bmp(app_folder / "glyph.bmp", (24, 24), GREEN_RGB, bottom_row=TEAL_RGB)
        write_bmp(app_folder / "hot.bmp", (24, 24), MAGENTA_RGB, bottom_row=TEAL_RGB)
        button = Button(name="Button1", caption="GO", left=60, top=60, width=160, height=48, glyph_file="\\glyph.bmp",
                        hot_glyph_file="\\hot.bmp", font=big_font(BLUE), normal_font=big_font(BLUE),
                        hot_font=big_font(RED))
        app, window = start_menu(rig, app_folder, menu("Hot Button", [button]))
        rect = area(window, button)

        def check(want_hot: bool):
            def look(img):
                c = {"green": count_color(img, rect, GREEN_RGB, 8), "magenta": count_color(img, rect, MAGENTA_RGB, 8),
                     "red": count_color(img, rect, RED_RGB, 40), "blue": count_color(img, rect, BLUE_RGB, 40)}
                if want_hot:
                    ok = c["magenta"] >= 200 and c["green"] == 0 and c["red"] >= 40 and c["blue"] == 0
                else:
                    ok = c["green"] >= 200 and c["magenta"] == 0 and c["blue"] >= 40 and c["red"] == 0
                return ok, c
            return look

        wait_for_look(rig, "the button's normal glyph (green) and blue caption", check(False))
        rig.move(*centre(window, button))
        wait_for_look(rig, "the button's hot glyph (magenta) and red caption", check(True))
        rig.move(*background_point(window))
        wait_for_look(rig, "the normal glyph and blue caption again", check(False))
        app.assert_running()

    def test_images_show_their_hot_picture_while_hot(self, rig, app_folder):
        write_bmp(app_folder / "normal.bmp", (100, 100), GREEN_RGB)
        write_bmp(app_folder / "hot.bmp", (100, 100), MAGENTA_RGB)
        both = Image(name="Image1", left=40, top=40, width=100, height=100, image_file="\\normal.bmp",
                     hot_image_file="\\hot.bmp")
        hot_only = Image(name="Image2", left=200, top=40, width=100, height=100, hot_image_file="\\hot.bmp")
        app, window = start_menu(rig, app_folder, menu("Hot Images", [both, hot_only]))
        r1, r2 = area(window, both), area(window, hot_only)
        full = 100 * 100

        def look(first: str, second_hot: bool):
            def check(img):
                c = {"1 green": count_color(img, r1, GREEN_RGB, 8), "1 magenta": count_color(img, r1, MAGENTA_RGB, 8),
                     "2 magenta": count_color(img, r2, MAGENTA_RGB, 8)}
                other = "1 magenta" if first == "1 green" else "1 green"
                ok = c[first] >= full * 9 // 10 and c[other] == 0 and \
                    (c["2 magenta"] >= full * 9 // 10 if second_hot else c["2 magenta"] == 0)
                return ok, c
            return check

        wait_for_look(rig, "image 1 normal (green), image 2 empty", look("1 green", False))
        rig.move(*centre(window, both))
        wait_for_look(rig, "image 1 hot (magenta)", look("1 magenta", False))
        rig.move(*centre(window, hot_only))
        wait_for_look(rig, "image 1 normal again, image 2 hot", look("1 green", True))
        rig.move(*background_point(window))
        wait_for_look(rig, "image 2 (no normal picture) still showing its hot picture", look("1 green", True))
        assert_holds(rig, lambda: look("1 green", True)(rig.screen())[0], 1.5,
                     "image 2 keeps its hot picture with the mouse over the background")

    def test_leaving_across_the_title_bar_keeps_the_object_hot(self, rig, app_folder):
        top = label("LabelTop", "TTTT TTTT", 40, 0)
        app, window = start_menu(rig, app_folder, menu("Hot Leave", [top]))
        rect = area(window, top)
        x = rect.center[0]

        def check(want):
            def look(img):
                c = font_counts(img, rect)
                return want(c), c
            return look

        rig.move(*rect.center)
        wait_for_look(rig, "the label hot", check(hot))
        title_bar_y = (window.rect.top + window.client.top) // 2
        assert window.rect.top < title_bar_y < window.client.top
        rig.move(x, title_bar_y)          # onto the title bar
        rig.move(x, window.rect.top - 40)  # and out of the window above it
        assert_holds(rig, lambda: hot(font_counts(rig.screen(), rect)), 2.0,
                     "the label stays hot after the mouse left the window across the title bar")
        rig.move(*background_point(window))
        wait_for_look(rig, "the label normal once the mouse is over the background", check(normal))


# --- links run by real clicks ----------------------------------------------------------------------

def marker_folder(app_folder, sub: str):
    folder = app_folder.mkdir(sub)
    app_folder.add_marker(f"{sub}/setup.exe")
    return folder


class TestLinks:
    @pytest.mark.parametrize("start_directory, want_cwd", [("\\setup", "setup"), ("", "")])
    def test_open_file_runs_the_target_with_parameters_in_the_start_directory(
            self, rig, app_folder, start_directory, want_cwd):
        setup = marker_folder(app_folder, "setup")
        button = Button(caption="Install", left=40, top=40, width=120, height=40,
                        link=Command(action=OPEN_FILE, target="\\setup\\setup.exe", parameters="-x 1",
                                     start_directory=start_directory))
        app, window = start_menu(rig, app_folder, menu("Open Link", [button]))
        rig.click(*centre(window, button))
        record = rig.wait_for_marker(setup / "marker-out.json")
        assert record["argv"][1:] == ["-x", "1"], record
        assert record["exe"].lower() == rig.winpath(setup / "setup.exe").lower(), record
        want = app_folder.winpath + ("\\" + want_cwd if want_cwd else "")
        assert record["cwd"] == want, record
        app.assert_running()

    def test_a_press_released_elsewhere_runs_no_link(self, rig, app_folder):
        one, two = marker_folder(app_folder, "one"), marker_folder(app_folder, "two")
        a = Button(name="ButtonA", caption="One", left=40, top=40, width=120, height=40,
                   link=Command(action=OPEN_FILE, target="\\one\\setup.exe"))
        b = Button(name="ButtonB", caption="Two", left=40, top=120, width=120, height=40,
                   link=Command(action=OPEN_FILE, target="\\two\\setup.exe"))
        app, window = start_menu(rig, app_folder, menu("Press Elsewhere", [a, b]))
        records = (one / "marker-out.json", two / "marker-out.json")

        def nothing_ran():
            return not any(p.exists() for p in records)

        # Pressed on A, released over the background.
        rig.move(*centre(window, a))
        rig.mouse_down()
        rig.move(*background_point(window))
        rig.mouse_up()
        # Pressed on A, released on B.
        rig.move(*centre(window, a))
        rig.mouse_down()
        rig.move(*centre(window, b))
        rig.mouse_up()
        assert_holds(rig, nothing_ran, 3.0, "no link ran for presses released elsewhere")
        app.assert_no_window(cls="#32770", during=0.5)
        # A real click on B runs B (and only B).
        rig.click(*centre(window, b))
        rig.wait_for_marker(records[1])
        assert not records[0].exists()
        app.assert_running()

    def test_print_file_the_shell_cannot_print_reports_the_shell_error(self, rig, app_folder):
        app_folder.write("doc.qzx", "a document no program prints\r\n")
        button = Button(caption="Print", left=40, top=40, width=120, height=40,
                        link=Command(action=PRINT_FILE, target="\\doc.qzx"))
        app, window = start_menu(rig, app_folder, menu("Print Link", [button]))
        rig.click(*centre(window, button))
        box = app.wait_message_box()
        assert (box.title, box.text) == ("Error", NO_ASSOCIATION)
        rig.confirm_message_box(box, how="click")
        app.assert_running()
        assert rig.find_windows(title="Print Link", app=app), "the menu window closed after the error"

    def test_play_sound_plays_the_file(self, rig, app_folder):
        samples = tone_samples(1.0, 660)
        write_wav(app_folder / "sound" / "hello.wav", samples)
        button = Button(caption="Hello", left=40, top=40, width=120, height=40,
                        link=Command(action=PLAY_SOUND, target="\\sound\\hello.wav"))
        app, window = start_menu(rig, app_folder, menu("Sound Link", [button]))
        sink = SoundStreams(rig)
        before = sink.names()
        rig.click(*centre(window, button))
        rig.wait_until(lambda: sink.bytes_since(before) >= len(samples), 20, "the sound's bytes in the sink")
        wait_until_settled(rig, lambda: tuple(sink.size(p) for p in sink.since(before)), 1.0, 30,
                           "the sink to stop growing")
        streams = sink.since(before)
        assert len(streams) == 1, f"one click, {len(streams)} streams: {streams}"
        played = streams[0].read_bytes()
        assert played[:len(samples)] == samples, "the sink does not hold the file's samples"
        assert not played[len(samples):].strip(b"\0"), "more than the file's samples played"
        app.assert_no_window(cls="#32770", during=0.5)
        app.assert_running()

    def test_a_second_sound_cuts_the_first(self, rig, app_folder):
        long_samples = tone_samples(40.0, 440, amplitude=12000)
        short_samples = tone_samples(1.0, 1000, amplitude=6000)
        write_wav(app_folder / "long.wav", long_samples)
        write_wav(app_folder / "short.wav", short_samples)
        first = Button(name="Button1", caption="Long", left=40, top=40, width=120, height=40,
                       link=Command(action=PLAY_SOUND, target="\\long.wav"))
        second = Button(name="Button2", caption="Short", left=40, top=120, width=120, height=40,
                        link=Command(action=PLAY_SOUND, target="\\short.wav"))
        app, window = start_menu(rig, app_folder, menu("Two Sounds", [first, second]))
        sink = SoundStreams(rig)
        before = sink.names()
        rig.click(*centre(window, first))
        rig.wait_until(lambda: sink.bytes_since(before) > 0, 20, "the long sound to start")
        rig.click(*centre(window, second))
        rig.wait_until(lambda: len(sink.since(before)) >= 2, 20, "the short sound's stream")
        wait_until_settled(rig, lambda: tuple(sink.size(p) for p in sink.since(before)), 1.5, 60,
                           "the sink to stop growing")
        streams = sink.since(before)
        assert len(streams) == 2, f"two clicks, {len(streams)} streams: {streams}"
        long_played, short_played = streams[0].read_bytes(), streams[1].read_bytes()
        assert long_played[:4096] == long_samples[:4096], "the first stream is not the long sound"
        assert len(long_played) < len(long_samples) // 2, \
            f"the long sound was not cut: {len(long_played)} of its {len(long_samples)} bytes played"
        assert short_played[:len(short_samples)] == short_samples, "the second stream is not the whole short sound"
        assert not short_played[len(short_samples):].strip(b"\0")
        app.assert_running()

    def test_a_missing_sound_file_is_reported_once(self, rig, app_folder):
        button = Button(caption="Missing", left=40, top=40, width=120, height=40,
                        link=Command(action=PLAY_SOUND, target="\\nothere.wav"))
        app, window = start_menu(rig, app_folder, menu("Missing Sound", [button]))
        rig.click(*centre(window, button))
        box = app.wait_message_box()
        assert (box.title, box.text) == ("Error", FILE_NOT_FOUND)
        rig.confirm_message_box(box, how="key")
        app.assert_no_window(cls="#32770", during=3)
        app.assert_running()

    def test_a_sound_file_no_device_plays_shows_nothing(self, rig, app_folder):
        app_folder.write("noise.wav", bytes((i * 37 + 11) % 256 for i in range(8192)))
        button = Button(caption="Noise", left=40, top=40, width=120, height=40,
                        link=Command(action=PLAY_SOUND, target="\\noise.wav"))
        app, window = start_menu(rig, app_folder, menu("Noise Sound", [button]))
        rig.click(*centre(window, button))
        app.assert_no_window(cls="#32770", during=3)
        app.assert_running()
        assert rig.find_windows(title="Noise Sound", app=app)

    def test_exit_link_ends_the_player(self, rig, app_folder):
        button = Button(caption="Exit", left=40, top=40, width=120, height=40, link=Command(action=EXIT))
        app, window = start_menu(rig, app_folder, menu("Exit Link", [button]))
        rig.click(*centre(window, button))
        assert app.wait_exit(timeout=20) == 0

    def test_an_object_without_link_does_nothing_and_keeps_the_arrow(self, rig, app_folder):
        app_folder.add_marker("setup.exe")
        inert = Button(name="Inert", caption="Nothing", left=40, top=40, width=120, height=40,
                       link=Command(action=NO_ACTION, target="\\setup.exe"))
        linked_button = Button(name="Linked", caption="Run", left=40, top=120, width=120, height=40,
                               link=Command(action=OPEN_FILE, target="\\setup.exe"))
        linked_label = label("LinkedLabel", "LINK", 240, 40, link=Command(action=OPEN_FILE, target="\\setup.exe"))
        app, window = start_menu(rig, app_folder, menu("No Link", [inert, linked_button, linked_label]))
        record = app_folder / "marker-out.json"

        rig.move(*background_point(window))
        arrow = wait_until_settled(rig, lambda: cursor_shape(rig.display), 0.5, 10, "the cursor over the background")
        rig.move(*centre(window, linked_button))
        hand = wait_for_cursor(rig, lambda c: c != arrow, "another cursor over a linked button")
        rig.move(*centre(window, inert))
        wait_for_cursor(rig, lambda c: c == arrow, "the arrow over the object without link")
        assert_holds(rig, lambda: cursor_shape(rig.display) == arrow, 1.0, "the arrow over the object without link")
        rig.move(*centre(window, linked_label))
        wait_for_cursor(rig, lambda c: c == hand, "the linked button's cursor over a linked label too")

        rig.click(*centre(window, inert))
        assert_holds(rig, lambda: not record.exists(), 3.0, "a click on the object without link runs nothing")
        app.assert_no_window(cls="#32770", during=0.5)
        app.assert_running()


# --- start-up -------------------------------------------------------------------------------------

class TestStartUp:
    def test_start_sound_plays_and_the_start_link_runs(self, rig, app_folder):
        samples = tone_samples(1.0, 550)
        write_wav(app_folder / "start.wav", samples)
        app_folder.add_marker("setup.exe")
        app_folder.add_quorvane("AutoRun.exe")
        caption = "Welcome To The Disc"
        app_folder.write_project(menu(caption, [], start_sound_file="\\start.wav",
                                      start_link=Command(action=OPEN_FILE, target="\\setup.exe", parameters="-s")))
        record = app_folder / "marker-out.json"
        sink = SoundStreams(rig)
        before = sink.names()
        app = app_folder.start("AutoRun.exe")
        # Watched closely (the sound first, then the record): the sound must be under way when the
        # start link's program runs, at the latest right after.
        def link_ran():
            sound = sink.bytes_since(before)
            return record.exists() and {"sound bytes then": sound}

        seen = rig.wait_until(link_ran, 30, "the start link's program to run", app=app)
        if seen["sound bytes then"] == 0:
            rig.wait_until(lambda: sink.bytes_since(before) > 0, 1.0,
                           "the start sound, which was not playing yet when the start link's program ran")
        assert json.loads(record.read_text())["argv"][1:] == ["-s"]
        window = settled_window(rig, caption, app.owns, app=app)
        assert window.title == caption
        rig.wait_until(lambda: sink.bytes_since(before) >= len(samples), 20, "the whole start sound")
        streams = sink.since(before)
        assert streams and streams[0].read_bytes()[:len(samples)] == samples, "the sink does not hold start.wav"
        app.assert_no_window(cls="#32770", during=1)
        app.assert_running()

    @pytest.mark.parametrize("cd_icon", [True, False], ids=["cd-icon", "no-cd-icon"])
    def test_the_window_icon_is_the_cd_folders_icon(self, rig, app_folder, cd_icon):
        if cd_icon:
            write_ico(app_folder / "AutoRun.ico", MAGENTA_RGB)
        app, window = start_menu(rig, app_folder, menu("Icon Menu", []))
        # The small icon is drawn at the left of the title bar.
        title_bar = Rect(window.rect.left, window.rect.top, window.rect.left + 48, window.client.top)
        if cd_icon:
            def icon_shown(img):
                n = count_color(img, title_bar, MAGENTA_RGB, 8)
                return n >= 100, {"magenta": n}

            wait_for_look(rig, "the magenta AutoRun.ico in the title bar", icon_shown)
        else:
            assert_holds(rig, lambda: count_color(rig.screen(), title_bar, MAGENTA_RGB, 8) == 0, 1.0,
                         "no magenta in the title bar without AutoRun.ico")

    def test_start_link_exit_ends_the_player(self, rig, app_folder):
        app_folder.add_quorvane("AutoRun.exe")
        app_folder.write_project(menu("Gone", [], start_link=Command(action=EXIT)))
        app = app_folder.start("AutoRun.exe")
        assert app.wait_exit(timeout=30) == 0
