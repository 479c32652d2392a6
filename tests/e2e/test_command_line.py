"""The command line of a build pipeline: Quorvane.exe /check, /deploy and /image on a copy of the
demo CD folder, with no window, their text on the console (the process's output) and in the
/out file, and their exit codes; names and paths in any language. None of them changes the
designer's Quorvane.ini."""
from __future__ import annotations

import hashlib
import os
import shutil
import subprocess

import ardfile
from rig import AppFolder

INI = b"DefaultPath=C:\\Elsewhere\r\n"


def run(rig, folder: AppFolder, *args: str) -> tuple[int, str]:
    """Runs Quorvane.exe with `args`; its exit code and what it printed to its console."""
    app = folder.start("Quorvane.exe", *args)
    code = app.wait_exit(timeout=60)
    return code, app.log.read_text(errors="replace")


def demo_copy(rig, tmp_path, name="Demo CD"):
    cd = tmp_path / name
    shutil.copytree(rig.build / "demo" / "CD", cd)
    tools = AppFolder(rig, tmp_path / "tools")
    tools.add_quorvane("Quorvane.exe")
    tools.write("Quorvane.ini", INI)
    return cd, tools


def tree(root):
    """Every file and folder below `root`: its path, and True for a folder or a file's sha256."""
    return {str(p.relative_to(root)): p.is_dir() or hashlib.sha256(p.read_bytes()).hexdigest()
            for p in root.rglob("*")}


def test_check_and_deploy_report_through_exit_codes(rig, tmp_path):
    cd, tools = demo_copy(rig, tmp_path)
    design = (cd / "AutoRun.ard").read_bytes()

    code, text = run(rig, tools, "/check", rig.winpath(cd))
    assert code == 1, text  # warnings only: the folder holds no player yet
    assert "Warning: The player AutoRun.exe is missing" in text and "3 warnings" in text

    code, text = run(rig, tools, "/deploy", rig.winpath(cd))
    assert code == 0, text
    assert (cd / "AutoRun.exe").read_bytes() == (tools / "Quorvane.exe").read_bytes()
    assert (cd / "autorun.inf").read_bytes() == b"[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n"
    assert (cd / "AutoRun.ico").exists()
    assert (cd / "AutoRun.ard").read_bytes() == design, "/deploy rewrote the design"

    code, text = run(rig, tools, "/check", rig.winpath(cd))
    assert (code, "No problems found" in text) == (0, True), text

    (cd / "cover.jpg").unlink()
    out = tmp_path / "check.txt"
    code, text = run(rig, tools, "/check", rig.winpath(cd), "/out", rig.winpath(out))
    assert code == 2, text
    line = 'Error: Image 8: The image\'s picture does not exist in the CD folder. (\\cover.jpg)'
    assert line in text and line in out.read_text()

    assert run(rig, tools, "/check", rig.winpath(tmp_path))[0] == 3  # no design there
    code, text = run(rig, tools, "/check", rig.winpath(cd), "/medium", "floppy")
    assert code == 3 and 'Unknown medium "floppy".' in text and "Usage:" in text
    code, text = run(rig, tools, "/check", rig.winpath(cd), "/out", rig.winpath(tmp_path / "none" / "r.txt"))
    assert code == 3 and "Cannot write file" in text and "Success" not in text, text
    assert (tools / "Quorvane.ini").read_bytes() == INI


def test_check_names_what_the_player_cannot_show_or_open(rig, tmp_path):
    cd, tools = demo_copy(rig, tmp_path)
    (cd / "empty.png").write_bytes(b"")
    (cd / "notes.gif").write_text("no picture, just a note")
    (cd / "broken.png").write_bytes((cd / "logo.png").read_bytes()[:40])
    (cd / "trailing.").write_text("Windows drops the dot and opens another name")
    os.symlink(tmp_path / "tools", cd / "shortcut")
    design = ardfile.read_project((cd / "AutoRun.ard").read_bytes())
    design.objects += [ardfile.Image(image_file="\\empty.png", hot_image_file="\\broken.png"),
                       ardfile.Image(image_file="\\notes.gif"),
                       ardfile.Button(glyph_file="\\notes.gif", link=ardfile.Command(action=1, target="\\trailing."))]
    (cd / "AutoRun.ard").write_bytes(design.to_bytes())

    code, text = run(rig, tools, "/check", rig.winpath(cd))
    assert code == 2, text
    for line in ("The image's picture is no picture Quorvane can show. (\\empty.png)",
                 "The image's picture under the mouse is no picture Quorvane can show. (\\broken.png)",
                 "The image's picture is no picture Quorvane can show. (\\notes.gif)",
                 "The button's glyph is no picture Quorvane can show. (\\notes.gif)",
                 "Error: The name ends in a dot, so Windows cannot open it. (trailing.)",
                 "Warning: The link leads to a folder or to nothing, so it stays off the disc. (shortcut)"):
        assert line in text, text
    assert "logo.png" not in text and "cover.jpg" not in text, text  # what the player shows passes
    assert (tools / "Quorvane.ini").read_bytes() == INI


def test_image_is_read_back_by_independent_readers(rig, tmp_path):
    cd, tools = demo_copy(rig, tmp_path)
    (cd / "Extras" / "Ünïcode ä").mkdir(parents=True)
    (cd / "Extras" / "Ünïcode ä" / ("long name " * 6 + ".txt")).write_bytes(b"x" * 5000)
    image = tmp_path / "demo.iso"
    image.write_bytes(b"an older image")

    code, text = run(rig, tools, "/image", rig.winpath(cd), rig.winpath(image), "/label", "Demo Disc")
    assert code == 1 and "3 warnings" in text, text  # as /check: no player in the folder yet
    assert not (tmp_path / "demo.iso.~tmp").exists()
    volume = subprocess.run(["isoinfo", "-d", "-i", image], capture_output=True, text=True).stdout
    assert "Volume id: DEMO_DISC" in volume, volume
    joliet = image.read_bytes()[17 * 2048:18 * 2048]  # the Joliet descriptor follows the primary one
    assert joliet[40:72].decode("utf-16-be").rstrip() == "Demo Disc"

    extracted = tmp_path / "extracted"
    extracted.mkdir()
    subprocess.run(["bsdtar", "-xf", image, "-C", extracted], check=True)
    assert tree(extracted) == tree(cd)
    listed = subprocess.run(["7z", "l", "-slt", image], capture_output=True, text=True, check=True).stdout
    assert "Path = Extras/Ünïcode ä/" + "long name " * 6 + ".txt" in listed

    # A check that finds errors makes no image and keeps the old one.
    (cd / "cover.jpg").unlink()
    before = image.read_bytes()
    assert run(rig, tools, "/image", rig.winpath(cd), rig.winpath(image))[0] == 2
    assert image.read_bytes() == before


def test_image_made_inside_the_cd_folder(rig, tmp_path):
    """From inside the CD folder: the image and the report land in it, and neither is packed into
    the next image; a label too long is recorded cut, and a device in the folder is named."""
    cd, tools = demo_copy(rig, tmp_path)
    sizes = []
    for _ in range(2):
        app = rig.start(tools / "Quorvane.exe", "/image", ".", "menu.iso", "/out", "report.txt",
                        "/label", "Quorvane Demo Disc 2024", cwd=cd)
        code, text = app.wait_exit(timeout=60), app.log.read_text(errors="replace")
        assert code == 1, text
        assert ('Warning: The label "Quorvane Demo Disc 2024" does not fit on a disc as it is' in text
                and 'the disc is labelled "Quorvane Demo Di".' in text), text
        sizes.append((cd / "menu.iso").stat().st_size)
        listed = subprocess.run(["isoinfo", "-J", "-f", "-i", cd / "menu.iso"], capture_output=True,
                                text=True, check=True).stdout.split()
        assert "/menu.iso" not in listed and "/report.txt" not in listed and "/ReadMe.txt" in listed
    assert sizes[0] == sizes[1]
    assert "Wrote the disc image" in (cd / "report.txt").read_text()

    os.symlink("/dev/zero", cd / "zero")
    before = (cd / "menu.iso").read_bytes()
    code, text = run(rig, tools, "/image", rig.winpath(cd), rig.winpath(cd / "menu.iso"))
    assert code == 2 and f'Cannot read file "{rig.winpath(cd)}\\zero". It is a device or a pipe, not a file.' in text, text
    assert (cd / "menu.iso").read_bytes() == before and not (cd / "menu.iso.~tmp").exists()
    assert (tools / "Quorvane.ini").read_bytes() == INI


def test_deploy_of_a_damaged_design_writes_nothing(rig, tmp_path):
    cd, tools = demo_copy(rig, tmp_path)
    design = cd / "AutoRun.ard"
    design.write_bytes(design.read_bytes()[:len(design.read_bytes()) // 2])
    before = tree(cd)
    code, text = run(rig, tools, "/deploy", rig.winpath(cd))
    assert code == 2 and "Error: IO Error" in text, text
    assert f'The design "{rig.winpath(design)}" cannot be read.' in text, text
    assert tree(cd) == before and (tools / "Quorvane.ini").read_bytes() == INI


def test_names_in_any_language_are_checked_and_imaged(rig, tmp_path):
    """A CD folder whose own path is Cyrillic and Chinese, with names no one code page holds and a
    path of 300 characters: the check names the long path only, and the image records every name
    as it is."""
    cd, tools = demo_copy(rig, tmp_path, "Диск 中文/Меню CD")
    for name in ("中文目录/Ελληνικά 中文.txt", "Документы/файл.txt", "ｆｕｌｌ.txt", "Ω≈ç√.txt"):
        (cd / name).parent.mkdir(exist_ok=True)
        (cd / name).write_text(name * 100, encoding="utf-8")
    folders = "\\".join(letter * 59 for letter in "abcd")  # 239 characters: the disc holds it
    long_path = folders + "\\" + "e" * 56 + ".txt"
    (cd / folders.replace("\\", "/")).mkdir(parents=True)
    (cd / long_path.replace("\\", "/")).write_bytes(b"far down")
    out = tmp_path / "Отчёт.txt"

    code, text = run(rig, tools, "/check", rig.winpath(cd), "/out", rig.winpath(out))
    line = f"Error: The path is 300 characters long; a disc holds paths of at most 240. ({long_path})"
    assert code == 2 and line in text and line in out.read_text(encoding="utf-8"), text
    assert "name holds" not in text and "cannot be read" not in text, text

    shutil.rmtree(cd / ("a" * 59))
    image = tmp_path / "Образ 光盘.iso"
    code, text = run(rig, tools, "/image", rig.winpath(cd), rig.winpath(image))
    assert code == 1 and f'Wrote the disc image "{rig.winpath(image)}"' in text, text
    readers = {"bsdtar": lambda into: ["bsdtar", "-xf", image, "-C", into],
               "7z": lambda into: ["7z", "x", image, f"-o{into}"]}
    for reader, command in readers.items():
        (tmp_path / reader).mkdir()
        subprocess.run(command(tmp_path / reader), check=True, capture_output=True)
        assert tree(tmp_path / reader) == tree(cd), reader
    # genisoimage's isoinfo knows no UTF-8: each 8-bit set reads its own letters, '_' the others.
    for charset in ("iso8859-5", "iso8859-7"):
        isoinfo = ["isoinfo", "-i", image, "-J", "-j", charset]
        listed = subprocess.run([*isoinfo, "-f"], capture_output=True, check=True).stdout.decode(charset)
        for name in ("中文目录/Ελληνικά 中文.txt", "Документы/файл.txt"):
            seen = "/" + "".join(c if c.encode(charset, "ignore") else "_" for c in name)
            assert seen in listed.splitlines(), (charset, seen, listed)
            content = subprocess.run([*isoinfo, "-x", seen.encode(charset)], capture_output=True).stdout
            assert content == (cd / name).read_bytes(), (charset, seen)
