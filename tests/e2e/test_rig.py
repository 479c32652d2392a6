"""The rig checks itself with programs whose behaviour is known (winprobe's message box, Wine's
notepad, marker.exe), so a failure elsewhere points at Quorvane and not at the rig."""
import json
import math
import struct
import wave

import pytest

from rig import same_color, winpath


@pytest.mark.parametrize("how", ["key", "click"])
def test_message_box_is_seen_and_confirmed_with_real_input(rig, tmp_path, how):
    text = 'File "Z:\\some where\\AutoRun.ard" not found'
    app = rig.start(rig.winprobe_exe, "msgbox", "Error", text)
    box = app.wait_message_box(title="Error")
    assert box.text == text
    assert [b.text for b in box.buttons] == ["OK"]
    rig.confirm_message_box(box, how=how)
    assert app.wait_exit() == 1  # IDOK
    assert json.loads(app.log.read_text().splitlines()[-1]) == {"result": 1}


def test_notepad_real_typing_keys_clicks_and_pixels(rig):
    app = rig.start("notepad")
    main = app.wait_window(cls="Notepad")
    assert main.title.endswith("Notepad")
    rig.focus(main)
    # Its edit area is white, the empty screen beside it black (no window manager, no desktop).
    edit_x, edit_y = main.client.center
    screen = rig.screen()
    assert same_color(screen.getpixel((edit_x, edit_y)), (255, 255, 255))
    assert main.rect.right < 1020 and main.rect.bottom < 760
    assert same_color(screen.getpixel((1020, 760)), (0, 0, 0))
    rig.type_text("quorvane")
    rig.key("alt+F4")
    # Typed text makes notepad ask about saving: proof that the typing arrived.
    ask = app.wait_window(cls="#32770")
    dont_save = [b for b in ask.buttons if b.text.replace("&", "").lower() in ("no", "don't save")]
    assert dont_save, f"no button to leave without saving in {[b.text for b in ask.buttons]}"
    dont_save = dont_save[0]
    rig.click(*dont_save.rect.center)
    assert app.wait_exit() == 0


def test_marker_records_arguments_and_working_directory(rig, app_folder, tmp_path):
    marker = app_folder.add_marker("setup.exe")
    work = app_folder.mkdir("work dir")
    out = tmp_path / "record.json"
    app = rig.start(marker, "first arg", "/q", env={"QUORVANE_MARKER_OUT": winpath(out)}, cwd=work)
    assert app.wait_exit() == 0
    record = rig.wait_for_marker(out)
    assert record["argv"][1:] == ["first arg", "/q"]
    assert record["argv"][0].lower().endswith("setup.exe")
    assert record["cwd"].lower() == winpath(work).lower()
    assert record["exe"].lower() == winpath(marker).lower()


def test_marker_writes_beside_itself_without_the_variable(rig, app_folder):
    marker = app_folder.add_marker()
    app = rig.start(marker)
    assert app.wait_exit() == 0
    assert rig.wait_for_marker(app_folder / "marker-out.json")["argv"][1:] == []


def test_played_sound_lands_in_the_alsa_file_sink(rig, tmp_path):
    rate, seconds = 22050, 0.5
    wav = tmp_path / "tone.wav"
    with wave.open(str(wav), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / rate)))
                               for i in range(int(rate * seconds))))
    before = rig.sound_bytes()
    app = rig.start(rig.winprobe_exe, "play", wav)
    assert app.wait_exit() == 0, app.log_tail()
    # Wine may convert the format; at least the tone's own 22050 bytes must have arrived.
    rig.wait_until(lambda: rig.sound_bytes() - before >= rate * seconds * 2, 10,
                   f"the tone in {rig.sound_path} (now {rig.sound_bytes() - before} new bytes)")


def test_the_negative_checks_do_fail(rig):
    """assert_no_window sees a box that shows up, wait_exit notices a program still running, and a
    wait for a window that never comes names what is on screen instead."""
    app = rig.start(rig.winprobe_exe, "msgbox", "Error", "IO Error")
    with pytest.raises(AssertionError, match="unexpected window .*'Error'.* saying 'IO Error'"):
        app.assert_no_window(title="Error", during=20)
    with pytest.raises(AssertionError, match="still runs"):
        app.wait_exit(timeout=0.5)
    with pytest.raises(AssertionError, match=r"(?s)timed out .*titled 'Nothing'.*'Error'"):
        app.wait_window(title="Nothing", timeout=0.5)
    box = app.wait_message_box(title="Error")
    rig.press_button(box, "OK")  # through winprobe: no real input
    assert app.wait_exit() == 1
