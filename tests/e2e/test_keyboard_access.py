"""A menu used without a mouse: Tab moves through the objects that have a link, in reading
order, the focused one shows its hot look, and Enter runs its link as a click does; and a menu
read by a screen reader from another process (MSAA), whose "Press" runs a link."""
from __future__ import annotations

from ardfile import Button, Command, Font, Image, Label
from behaviour_support import SoundStreams, tone_samples, write_bmp, write_wav
from test_player_behaviour import (BLUE, RED, WHITE, area, big_font, font_counts, hot, marker_folder, menu,
                                   normal, start_menu, wait_for_look)

OPEN_FILE, PLAY_SOUND = 1, 4
ROLE_PUSHBUTTON, ROLE_STATICTEXT, ROLE_GRAPHIC = 43, 41, 40
STATE_FOCUSED = 0x4


def test_tab_to_a_link_and_enter_runs_it(rig, app_folder):
    one, two = marker_folder(app_folder, "one"), marker_folder(app_folder, "two")
    samples = tone_samples(0.5, 880)
    write_wav(app_folder / "click.wav", samples)
    # Listed out of reading order: the keyboard goes top to bottom, not by the list.
    second = Label(name="Second", caption="TWO TWO", left=40, top=100, width=220, height=40, font=big_font(WHITE),
                   normal_font=big_font(WHITE), hot_font=big_font(RED),
                   link=Command(action=PLAY_SOUND, target="\\click.wav"))
    third = Button(name="Third", caption="Two", left=300, top=100, width=120, height=40,
                   link=Command(action=OPEN_FILE, target="\\two\\setup.exe"))
    first = Button(name="First", caption="One", left=40, top=30, width=120, height=40, font=big_font(BLUE),
                   normal_font=big_font(BLUE), hot_font=big_font(BLUE),
                   link=Command(action=OPEN_FILE, target="\\one\\setup.exe"))
    plain = Label(name="Plain", caption="No link", left=40, top=60, width=220, height=30,
                  font=Font(name="Arial", color=WHITE, size=12))
    app, window = start_menu(rig, app_folder, menu("Keyboard Menu", [third, second, plain, first]))
    rect = area(window, second)

    def look(want):
        def check(img):
            counts = font_counts(img, rect)
            return want(counts), counts
        return check

    rig.focus(window)
    rig.key("Tab")
    wait_for_look(rig, "the second link still normal while the first has the focus", look(normal))
    rig.key("Tab")
    wait_for_look(rig, "the second link hot once the focus reached it", look(hot))
    sink = SoundStreams(rig)
    before = sink.names()
    rig.key("Return")
    rig.wait_until(lambda: sink.bytes_since(before) >= len(samples), 20, "the second link's sound in the sink")
    rig.key("Tab", "space")
    rig.wait_for_marker(two / "marker-out.json")
    assert not (one / "marker-out.json").exists(), "the first link ran too"
    app.assert_running()


def test_a_screen_reader_lists_the_objects_and_presses_a_link(rig, app_folder):
    setup = marker_folder(app_folder, "setup")
    write_bmp(app_folder / "art" / "logo.bmp", (60, 40), (0, 160, 0))
    objects = [
        Label(name="Welcome", caption="Welcome", left=20, top=10, width=200, height=30),
        Image(name="Logo", left=300, top=10, width=60, height=40, image_file="\\art\\logo.bmp"),
        Button(name="Install", caption="", hint="Install the program", left=20, top=60, width=120, height=40,
               link=Command(action=OPEN_FILE, target="\\setup\\setup.exe")),
    ]
    app, window = start_menu(rig, app_folder, menu("Read Aloud", objects))
    tree = rig.accessible(window)
    read = [(c["role"], c["name"], c["default_action"]) for c in tree["children"]]
    assert read == [(ROLE_STATICTEXT, "Welcome", None), (ROLE_GRAPHIC, "logo.bmp", None),
                    (ROLE_PUSHBUTTON, "Install the program", "Press")], tree
    where = [tuple(c["location"][k] for k in ("x", "y", "width", "height")) for c in tree["children"]]
    assert where == [(window.client.left + o.left, window.client.top + o.top, o.width, o.height)
                     for o in objects], tree
    rig.focus(window)
    rig.key("Tab")
    rig.wait_until(lambda: rig.accessible(window)["children"][2]["state"] & STATE_FOCUSED, 10,
                   "the button focused for the screen reader too")
    rig.accessible_press(window, 3)
    record = rig.wait_for_marker(setup / "marker-out.json")
    assert record["exe"].lower() == rig.winpath(setup / "setup.exe").lower()
    app.assert_running()
