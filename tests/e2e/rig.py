"""The end-to-end rig: Quorvane.exe under 32-bit Wine on a private Xvfb, watched through winprobe
and driven with real X input (xdotool).

One Rig lives for the whole pytest session (fixture ``rig`` in conftest.py). It owns
  * a private Xvfb at 1024x768x24 on a display number of its own,
  * a HOME whose ~/.asoundrc turns ALSA's default device into a file (``sound_path``),
  * a persistent ``winprobe serve`` process that answers window listings quickly,
  * every program a test starts (killed after each test; ``wineserver -k`` at session end).

Environment variables read:
  QUORVANE_BUILD        the Windows build tree (default build/win32): bin/Quorvane.exe,
                        bin/winprobe.exe, bin/marker.exe
  QUORVANE_WINEPREFIX   the Wine prefix (default build/wineprefix), created on first use
  QUORVANE_E2E_TIMEOUT_SCALE  multiplies every wait's timeout (default 1; slow machines: 2 or 3)
Relative paths are taken from the repository root.
"""
from __future__ import annotations

import contextlib
import json
import re
import os
import select
import shutil
import signal
import subprocess
import time
from dataclasses import dataclass, field
from pathlib import Path
from typing import Any, Callable, Iterable, Optional

REPO = Path(__file__).resolve().parents[2]
WINE_RUN = REPO / "scripts" / "wine-run"
PROGRAMS_SRC = REPO / "tests" / "e2e" / "programs"
FAILURES_DIR = REPO / "build" / "e2e-failures"
SCREEN_SIZE = (1024, 768)
POLL = 0.1  # seconds between two looks at the desktop

XDOTOOL = "/usr/bin/xdotool"
IMPORT = "/usr/bin/import"
XVFB = "/usr/bin/Xvfb"

# Wine's own background processes: never killed by a test's clean-up.
_WINE_SYSTEM = ("wineserver", "services.exe", "winedevice.exe", "explorer.exe", "plugplay.exe",
                "svchost.exe", "rpcss.exe", "winedbg")

# The rig in use (the failure hook in conftest.py takes its screenshot through it).
ACTIVE: Optional["Rig"] = None


def _repo_path(value: str) -> Path:
    p = Path(value)
    return (p if p.is_absolute() else REPO / p).resolve()


def build_dir() -> Path:
    return _repo_path(os.environ.get("QUORVANE_BUILD", "build/win32"))


def prefix_dir() -> Path:
    return _repo_path(os.environ.get("QUORVANE_WINEPREFIX", "build/wineprefix"))


def timeout_scale() -> float:
    try:
        return max(1.0, float(os.environ.get("QUORVANE_E2E_TIMEOUT_SCALE", "1")))
    except ValueError:
        return 1.0


def winpath(linux_path: os.PathLike | str) -> str:
    """The path as Windows programs under Wine see it: Wine's Z: drive is the Linux root."""
    p = Path(linux_path)
    p = p.resolve() if p.exists() else Path(os.path.abspath(p))
    return "Z:" + str(p).replace("/", "\\")


def colorref_rgb(value: int) -> tuple[int, int, int]:
    """A Windows COLORREF (0x00BBGGRR) as an (r, g, b) triple."""
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def same_color(a: Iterable[int], b: Iterable[int], tolerance: int = 0) -> bool:
    """True when every channel of a and b differs by at most `tolerance`."""
    a, b = tuple(a)[:3], tuple(b)[:3]
    return len(a) == len(b) == 3 and all(abs(x - y) <= tolerance for x, y in zip(a, b))


# --- what winprobe reports ---------------------------------------------------------------------

@dataclass(frozen=True)
class Rect:
    left: int
    top: int
    right: int
    bottom: int

    @property
    def width(self) -> int:
        return self.right - self.left

    @property
    def height(self) -> int:
        return self.bottom - self.top

    @property
    def center(self) -> tuple[int, int]:
        return ((self.left + self.right) // 2, (self.top + self.bottom) // 2)

    @property
    def box(self) -> tuple[int, int, int, int]:
        """For PIL's crop()."""
        return (self.left, self.top, self.right, self.bottom)

    @classmethod
    def of(cls, d: dict) -> "Rect":
        return cls(d["left"], d["top"], d["right"], d["bottom"])

    def __str__(self) -> str:
        return f"{self.width}x{self.height} at {self.left},{self.top}"


@dataclass(frozen=True)
class Control:
    hwnd: int
    id: int
    cls: str
    text: str
    visible: bool
    enabled: bool
    rect: Rect

    @classmethod
    def of(cls, d: dict) -> "Control":
        return cls(d["hwnd"], d["id"], d["class"], d["text"], d["visible"], d["enabled"], Rect.of(d["rect"]))


MESSAGE_TEXT_ID = 0xFFFF  # a message box's text is the static with this ID
WS_CAPTION = 0x00C00000


@dataclass(frozen=True)
class Window:
    hwnd: int
    pid: int
    cls: str
    title: str
    visible: bool
    enabled: bool
    minimized: bool
    maximized: bool
    rect: Rect
    client: Rect  # the client area in screen coordinates
    style: int
    exstyle: int
    owner: int
    exe: str  # the owning process's executable as a Windows path
    statics: tuple[Control, ...] = ()
    buttons: tuple[Control, ...] = ()

    @classmethod
    def of(cls, d: dict) -> "Window":
        return cls(d["hwnd"], d["pid"], d["class"], d["title"], d["visible"], d["enabled"], d["minimized"],
                   d["maximized"], Rect.of(d["rect"]), Rect.of(d["client"]), d["style"], d["exstyle"], d["owner"],
                   d["exe"], tuple(Control.of(c) for c in d.get("statics", ())),
                   tuple(Control.of(c) for c in d.get("buttons", ())))

    @property
    def shown(self) -> bool:
        """Visible and not of zero size: something a person can see."""
        return self.visible and self.rect.width > 0 and self.rect.height > 0

    @property
    def is_dialog(self) -> bool:
        return self.cls == "#32770"

    @property
    def text(self) -> Optional[str]:
        """A message box's message (the static with ID 0xFFFF); None for other windows."""
        for s in self.statics:
            if s.id == MESSAGE_TEXT_ID:
                return s.text
        return None

    def button(self, text: str) -> Control:
        want = text.replace("&", "").lower()
        for b in self.buttons:
            if b.text.replace("&", "").lower() == want:
                return b
        raise AssertionError(f"window {self} has no button {text!r}; buttons: {[b.text for b in self.buttons]}")

    def __str__(self) -> str:
        return (f"[{self.hwnd:#x} {self.cls!r} {self.title!r} {'visible' if self.visible else 'hidden'} "
                f"{self.rect} exe={self.exe.split(chr(92))[-1]}]")


@dataclass(frozen=True)
class Desktop:
    foreground: int
    windows: tuple[Window, ...]
    screen: tuple[int, int]

    def summary(self, only_visible: bool = True) -> str:
        shown = [w for w in self.windows if w.shown or not only_visible]
        lines = [f"  {w}" + (" (foreground)" if w.hwnd == self.foreground else "") for w in shown]
        return "\n".join(lines) if lines else "  (no visible top-level window)"


# --- the persistent winprobe -------------------------------------------------------------------

class Probe:
    """A running ``winprobe serve``: one request line in, one JSON line out."""

    def __init__(self, exe: Path, env: dict, log: Path):
        self.exe, self.env, self.log = exe, env, log
        self.proc: Optional[subprocess.Popen] = None

    def _start(self) -> None:
        self.proc = subprocess.Popen([str(WINE_RUN), str(self.exe), "serve"], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=open(self.log, "ab"), env=self.env,
                                     start_new_session=True)

    def request(self, *fields: str, timeout: float = 30.0) -> dict:
        for attempt in (1, 2):
            if self.proc is None or self.proc.poll() is not None:
                self._start()
            try:
                self.proc.stdin.write(("\t".join(fields) + "\n").encode("utf-8"))
                self.proc.stdin.flush()
                line = self._read_line(timeout)
                return json.loads(line)
            except (OSError, ValueError, TimeoutError) as e:
                self.stop()
                if attempt == 2:
                    raise AssertionError(f"winprobe did not answer {fields!r}: {e} (log: {self.log})") from e
        raise AssertionError("unreachable")

    def _read_line(self, timeout: float) -> bytes:
        out = self.proc.stdout
        fd = out.fileno()
        buf = b""
        deadline = time.monotonic() + timeout
        while not buf.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError(f"no answer within {timeout:.0f} s")
            ready, _, _ = select.select([fd], [], [], left)
            if ready:
                chunk = os.read(fd, 1 << 16)
                if not chunk:
                    raise OSError("winprobe ended")
                buf += chunk
        return buf

    def stop(self) -> None:
        if self.proc is None:
            return
        try:
            if self.proc.poll() is None:
                self.proc.stdin.write(b"quit\n")
                self.proc.stdin.flush()
                self.proc.wait(timeout=5)
        except (OSError, subprocess.TimeoutExpired):
            _kill_group(self.proc)
        self.proc = None


def _kill_group(proc: subprocess.Popen) -> None:
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        pass


# --- programs started by tests -----------------------------------------------------------------

class App:
    """A Windows program started by a test (see Rig.start)."""

    def __init__(self, rig: "Rig", exe: Path, proc: subprocess.Popen, log: Path):
        self.rig, self.exe, self.proc, self.log = rig, exe, proc, log
        if len(exe.parts) == 1 and not exe.exists():  # one of Wine's own programs, e.g. "notepad"
            name = exe.name if exe.suffix else exe.name + ".exe"
            self.winexe = "C:\\windows\\system32\\" + name
        else:
            self.winexe = winpath(exe)

    @property
    def exited(self) -> bool:
        return self.proc.poll() is not None

    @property
    def returncode(self) -> Optional[int]:
        return self.proc.poll()

    def log_tail(self, lines: int = 15) -> str:
        try:
            text = self.log.read_text(errors="replace").strip().splitlines()
        except OSError:
            return ""
        return "\n".join(text[-lines:])

    def owns(self, w: Window) -> bool:
        return w.exe.lower() == self.winexe.lower()

    def windows(self, visible_only: bool = True) -> list[Window]:
        return [w for w in self.rig.desktop().windows if self.owns(w) and (w.shown or not visible_only)]

    def wait_exit(self, timeout: float = 15.0) -> int:
        """Waits for the process to end and returns its exit code."""
        __tracebackhide__ = True
        timeout *= timeout_scale()
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{self.exe.name} still runs {timeout:.0f} s later; windows now:\n"
                                 f"{self.rig.desktop().summary()}") from None

    def assert_running(self) -> None:
        __tracebackhide__ = True
        if self.exited:
            raise AssertionError(f"{self.exe.name} ended with exit code {self.returncode}; its output:\n"
                                 f"{self.log_tail()}")

    def wait_window(self, title: Optional[str] = None, cls: Optional[str] = None, timeout: float = 20.0,
                    visible: bool = True, where: Optional[Callable[[Window], bool]] = None) -> Window:
        """Waits for a top-level window of this program with that title / class."""
        __tracebackhide__ = True
        return self.rig.wait_for_window(title=title, cls=cls, app=self, timeout=timeout, visible=visible,
                                        where=where)

    def wait_message_box(self, title: Optional[str] = None, timeout: float = 20.0) -> Window:
        __tracebackhide__ = True
        return self.rig.wait_for_message_box(title=title, app=self, timeout=timeout)

    def assert_no_window(self, title: Optional[str] = None, cls: Optional[str] = None, during: float = 3.0) -> None:
        __tracebackhide__ = True
        self.rig.assert_no_window(title=title, cls=cls, app=self, during=during)

    def kill(self) -> None:
        if not self.exited:
            _kill_group(self.proc)


class Rig:
    def __init__(self, workdir: Path):
        self.workdir = Path(workdir)
        self.workdir.mkdir(parents=True, exist_ok=True)
        self.build = build_dir()
        self.prefix = prefix_dir()
        self.quorvane_exe = self.build / "bin" / "Quorvane.exe"
        self.winprobe_exe: Optional[Path] = None
        self.marker_exe: Optional[Path] = None
        self.home = self.workdir / "home"
        self.sound_path = self.workdir / "sound-out.raw"
        self.display: Optional[str] = None
        self._xvfb: Optional[subprocess.Popen] = None
        self._probe: Optional[Probe] = None
        self._apps: list[App] = []
        self._token_base = f"e2e-{os.getpid()}-{int(time.time())}"
        self._test_no = 0
        self.token = self._token_base
        self.screen_size = SCREEN_SIZE

    # --- session set-up and tear-down ---------------------------------------------------------

    def boot(self) -> "Rig":
        """Starts the session: Xvfb, the HOME with the sound sink, the Wine prefix, winprobe."""
        global ACTIVE
        self._check_tools()
        self._find_programs()
        self._make_home()
        self._start_xvfb()
        ACTIVE = self
        self._probe = Probe(self.winprobe_exe, self.env(with_token=False), self.workdir / "winprobe.log")
        desk = self.desktop(timeout=600)  # the first call may create the Wine prefix
        if desk.screen != SCREEN_SIZE:
            raise AssertionError(
                f"Wine sees a {desk.screen[0]}x{desk.screen[1]} screen, not {SCREEN_SIZE[0]}x{SCREEN_SIZE[1]}: the "
                f"prefix {self.prefix} is probably in use on another display (its wineserver and desktop are "
                f"shared). Stop that (WINEPREFIX={self.prefix} wineserver -k) or set QUORVANE_WINEPREFIX.")
        return self

    def shutdown(self) -> None:
        """Ends the session: kills the programs, the wineserver of the prefix, Xvfb."""
        global ACTIVE
        self.cleanup_test()
        if self._probe:
            self._probe.stop()
        if self.display:
            subprocess.run(["wineserver", "-k"], env=self.env(with_token=False), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60)
        if self._xvfb and self._xvfb.poll() is None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
        ACTIVE = None

    def _check_tools(self) -> None:
        missing = [t for t in (XVFB, XDOTOOL, IMPORT, shutil.which("wine"), shutil.which("wineserver"))
                   if not t or not Path(t).exists()]
        if missing:
            raise AssertionError(f"missing tools {missing}: run scripts/setup.sh")

    def _find_programs(self) -> None:
        bin_dir = self.build / "bin"
        sources = [*PROGRAMS_SRC.glob("*.cpp"), *PROGRAMS_SRC.glob("*.h"), PROGRAMS_SRC / "CMakeLists.txt"]
        newest_source = max(p.stat().st_mtime for p in sources)

        def fresh(p: Path) -> bool:
            return p.exists() and p.stat().st_mtime >= newest_source

        if fresh(bin_dir / "winprobe.exe") and fresh(bin_dir / "marker.exe"):
            self.winprobe_exe, self.marker_exe = bin_dir / "winprobe.exe", bin_dir / "marker.exe"
            return
        # The Windows tree has not built them (yet, or since they changed): build them on their own.
        own = REPO / "build" / "e2e-programs"
        cmds = [["cmake", "-S", str(PROGRAMS_SRC), "-B", str(own), "-G", "Ninja",
                 f"-DCMAKE_TOOLCHAIN_FILE={REPO / 'cmake' / 'mingw-i686.cmake'}", "-DCMAKE_BUILD_TYPE=Release"],
                ["cmake", "--build", str(own)]]
        for cmd in cmds:
            r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            if r.returncode != 0:
                raise AssertionError(f"building the e2e programs failed: {' '.join(cmd)}\n{r.stdout[-3000:]}")
        self.winprobe_exe, self.marker_exe = own / "bin" / "winprobe.exe", own / "bin" / "marker.exe"

    def _make_home(self) -> None:
        self.home.mkdir(parents=True, exist_ok=True)
        # ALSA's default device becomes a file: whatever a program plays is appended to sound_path.
        (self.home / ".asoundrc").write_text(
            "pcm.!default {\n"
            "  type file\n"
            '  slave.pcm "null"\n'
            f'  file "{self.sound_path}"\n'
            '  format "raw"\n'
            "  truncate false\n"
            "}\n")

    def _start_xvfb(self) -> None:
        read_fd, write_fd = os.pipe()
        log = open(self.workdir / "xvfb.log", "ab")
        self._xvfb = subprocess.Popen(
            [XVFB, "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=log, stderr=log, start_new_session=True)
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_fd], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_fd, 64) if ready else b""
            if not chunk:
                os.close(read_fd)
                raise AssertionError(f"Xvfb did not start; see {self.workdir / 'xvfb.log'}")
            number += chunk
        os.close(read_fd)
        self.display = ":" + number.decode().strip()

    # --- environment and paths ----------------------------------------------------------------

    def env(self, extra: Optional[dict] = None, with_token: bool = True) -> dict:
        """The environment of every program the rig starts."""
        e = dict(os.environ)
        e.update({
            "DISPLAY": self.display or "",
            "HOME": str(self.home),
            "QUORVANE_WINEPREFIX": str(self.prefix),
            "WINEPREFIX": str(self.prefix),
            "QUORVANE_WINE_WM": "none",  # no window manager on the Xvfb: Wine draws frames, moves focus
            "WINEDEBUG": os.environ.get("WINEDEBUG", "-all"),
        })
        e.pop("XAUTHORITY", None)
        e.pop("QUORVANE_MARKER_OUT", None)  # only what a test asks for
        if with_token:
            e["QUORVANE_E2E_TOKEN"] = self.token
        if extra:
            e.update({k: str(v) for k, v in extra.items()})
        return e

    winpath = staticmethod(winpath)

    # --- programs -----------------------------------------------------------------------------

    def start(self, exe: os.PathLike | str, *args: str, cwd=None, env: Optional[dict] = None) -> App:
        """Starts a Windows program under Wine without waiting (own process group). The working
        directory defaults to the program's folder. The program is killed at the end of the test."""
        exe = Path(exe)
        if len(exe.parts) > 1 or exe.exists():
            exe = exe.resolve()
        log = self.workdir / "logs" / f"{self.token}-{len(self._apps)}-{exe.name}.log"
        log.parent.mkdir(exist_ok=True)
        proc = subprocess.Popen([str(WINE_RUN), str(exe), *map(str, args)], cwd=str(cwd or (exe.parent if exe.is_absolute() else self.workdir)),
                                env=self.env(env), stdin=subprocess.DEVNULL, stdout=open(log, "ab"),
                                stderr=subprocess.STDOUT, start_new_session=True)
        app = App(self, exe, proc, log)
        self._apps.append(app)
        return app

    def begin_test(self) -> None:
        self._test_no += 1
        self.token = f"{self._token_base}-{self._test_no}"

    def apps(self) -> list[App]:
        return list(self._apps)

    def cleanup_test(self) -> None:
        """Kills what the current test started: its programs and whatever they started (found by
        the token in their environment), except Wine's own background processes."""
        for app in self._apps:
            app.kill()
        self._apps.clear()
        self._kill_token_processes()
        if self.display and self._xvfb and self._xvfb.poll() is None:
            # No key or button stays held, and the pointer waits in the corner for the next test.
            for args in (["keyup", "shift", "ctrl", "alt", "super"], ["mouseup", "1", "mousemove", "1023", "767"]):
                subprocess.run([XDOTOOL, *args], env=self.env(with_token=False), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, timeout=30)

    def _kill_token_processes(self) -> None:
        token = f"QUORVANE_E2E_TOKEN={self.token}".encode()
        for _ in range(3):
            victims = []
            for entry in Path("/proc").iterdir():
                if not entry.name.isdigit() or int(entry.name) == os.getpid():
                    continue
                try:
                    if token not in (entry / "environ").read_bytes().split(b"\0"):
                        continue
                    cmdline = (entry / "cmdline").read_bytes().replace(b"\0", b" ").decode(errors="replace")
                except OSError:
                    continue
                if any(s in cmdline.lower() for s in _WINE_SYSTEM):
                    continue
                victims.append(int(entry.name))
            if not victims:
                break
            for pid in victims:
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            time.sleep(POLL)

    # --- looking at the desktop ---------------------------------------------------------------

    def desktop(self, timeout: float = 30.0) -> Desktop:
        d = self._probe.request("list", timeout=timeout)
        return Desktop(d["foreground"], tuple(Window.of(w) for w in d["windows"]),
                       (d["screen"]["width"], d["screen"]["height"]))

    def windows(self, visible_only: bool = True) -> list[Window]:
        return [w for w in self.desktop().windows if w.shown or not visible_only]

    def foreground(self) -> int:
        return self.desktop().foreground

    def find_windows(self, title: Optional[str] = None, cls: Optional[str] = None, app: Optional[App] = None,
                     visible: bool = True, where: Optional[Callable[[Window], bool]] = None) -> list[Window]:
        """The top-level windows that match. visible=True means what a person can see: the
        WS_VISIBLE flag and a non-empty outer rectangle (helper windows of 0x0 are left out)."""
        found = []
        for w in self.desktop().windows:
            if visible and not w.shown:
                continue
            if title is not None and w.title != title:
                continue
            if cls is not None and w.cls != cls:
                continue
            if app is not None and not app.owns(w):
                continue
            if where is not None and not where(w):
                continue
            found.append(w)
        return found

    def wait_until(self, condition: Callable[[], Any], timeout: float, what: str,
                   app: Optional[App] = None) -> Any:
        """Polls `condition` every 0.1 s until it returns something truthy, which is returned. On
        timeout (or when `app` ends first) fails, naming `what` and the windows then on screen."""
        __tracebackhide__ = True
        timeout *= timeout_scale()
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if app is not None and app.exited:
                value = condition()  # the last look, after the program ended
                if value:
                    return value
                raise AssertionError(f"{app.exe.name} ended (exit code {app.returncode}) before {what}; "
                                     f"windows now:\n{self.desktop().summary()}\nits output:\n{app.log_tail()}")
            if time.monotonic() >= deadline:
                raise AssertionError(f"timed out after {timeout:.1f} s waiting for {what}; windows now:\n"
                                     f"{self.desktop().summary()}")
            time.sleep(POLL)

    def wait_for_window(self, title: Optional[str] = None, cls: Optional[str] = None, app: Optional[App] = None,
                        timeout: float = 20.0, visible: bool = True,
                        where: Optional[Callable[[Window], bool]] = None) -> Window:
        __tracebackhide__ = True
        what = "a " + ("visible " if visible else "") + "window" + (f" titled {title!r}" if title is not None else "") + \
               (f" of class {cls!r}" if cls else "") + (f" of {app.exe.name}" if app else "")
        found = self.wait_until(lambda: self.find_windows(title, cls, app, visible, where), timeout, what, app)
        return found[0]

    def wait_for_message_box(self, title: Optional[str] = None, app: Optional[App] = None,
                             timeout: float = 20.0) -> Window:
        """Waits for a visible message box (dialog "#32770" with a message text); returns it, with
        .title and .text."""
        __tracebackhide__ = True
        return self.wait_for_window(title=title, cls="#32770", app=app, timeout=timeout,
                                    where=lambda w: w.text is not None)

    def assert_no_window(self, title: Optional[str] = None, cls: Optional[str] = None, app: Optional[App] = None,
                         during: float = 3.0) -> None:
        """Fails as soon as a matching visible window shows up within `during` seconds."""
        __tracebackhide__ = True
        deadline = time.monotonic() + during
        while True:
            found = self.find_windows(title, cls, app)
            if found:
                extra = f" saying {found[0].text!r}" if found[0].text is not None else ""
                raise AssertionError(f"unexpected window {found[0]}{extra}")
            if time.monotonic() >= deadline:
                return
            time.sleep(POLL)

    # --- acting through winprobe (not real input) ---------------------------------------------

    def press_button(self, window: Window, text: str) -> None:
        """Clicks a dialog's button by its text with BM_CLICK (no real input)."""
        __tracebackhide__ = True
        r = self._probe.request("press", str(window.hwnd), text)
        if not r.get("ok"):
            raise AssertionError(f"pressing {text!r} in {window} failed: {r.get('error')}")

    def close_window(self, window: Window) -> None:
        """Sends WM_CLOSE (no real input)."""
        __tracebackhide__ = True
        r = self._probe.request("close", str(window.hwnd))
        if not r.get("ok"):
            raise AssertionError(f"closing {window} failed: {r.get('error')}")

    # --- the screen's DPI --------------------------------------------------------------------------

    _DPI_KEYS = (r"HKCU\Control Panel\Desktop",
                 r"HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts")

    def _reg(self, *args: str) -> subprocess.CompletedProcess:
        return subprocess.run([str(WINE_RUN), "reg", *args], env=self.env(with_token=False), capture_output=True,
                              text=True, timeout=60)

    @contextlib.contextmanager
    def screen_dpi(self, dpi: int):
        """Programs started inside see a screen of `dpi` (Wine reads LogPixels as each one starts);
        the prefix gets its own setting back afterwards, whatever happens. Yields DPI / 96."""
        before = [re.search(r"0x([0-9a-f]+)", self._reg("query", key, "/v", "LogPixels").stdout)
                  for key in self._DPI_KEYS]
        try:
            for key in self._DPI_KEYS:
                self._reg("add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
            yield dpi / 96
        finally:
            for key, value in zip(self._DPI_KEYS, before):
                if value:
                    self._reg("add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(int(value[1], 16)), "/f")
                else:
                    self._reg("delete", key, "/v", "LogPixels", "/f")

    def accessible(self, window: Window) -> dict:
        """What a screen reader reads of the window's client area, through MSAA from another process:
        {"client": element, "children": [element, ...]} (see programs/winprobe.cpp)."""
        __tracebackhide__ = True
        r = self._probe.request("acc", str(window.hwnd))
        if not r.get("ok"):
            raise AssertionError(f"reading {window} through MSAA failed: {r.get('error')}")
        return r

    def list_rows(self, window: Window) -> list[dict]:
        """The rows of the window's report list view: {"cells": [text, ...], "rect": Rect} each."""
        __tracebackhide__ = True
        r = self._probe.request("rows", str(window.hwnd))
        if not r.get("ok"):
            raise AssertionError(f"reading the list of {window} failed: {r.get('error')}")
        return [{"cells": row["cells"], "rect": Rect.of(row["rect"])} for row in r["rows"]]

    def parts(self, window: Window) -> list[dict]:
        """What the window's visible children show: {"class", "id", "rect": Rect} each, a tool bar
        as each of its buttons ("class": "tool bar button", "id": its command)."""
        __tracebackhide__ = True
        r = self._probe.request("parts", str(window.hwnd))
        if not r.get("ok"):
            raise AssertionError(f"reading the children of {window} failed: {r.get('error')}")
        return [{**part, "rect": Rect.of(part["rect"])} for part in r["parts"]]

    def accessible_press(self, window: Window, child_id: int) -> None:
        """A screen reader's "Press" on a child of the window's client area."""
        __tracebackhide__ = True
        r = self._probe.request("accdo", str(window.hwnd), str(child_id))
        if not r.get("ok"):
            raise AssertionError(f"the default action of child {child_id} of {window} failed: {r.get('error')}")

    # --- real input ---------------------------------------------------------------------------

    def xdotool(self, *args: str) -> None:
        __tracebackhide__ = True
        r = subprocess.run([XDOTOOL, *map(str, args)], env=self.env(with_token=False), stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT, text=True, timeout=30)
        if r.returncode != 0:
            raise AssertionError(f"xdotool {' '.join(map(str, args))} failed: {r.stdout.strip()}")

    def move(self, x: int, y: int) -> None:
        self.xdotool("mousemove", "--sync", x, y)

    def click(self, x: int, y: int, button: int = 1, repeat: int = 1) -> None:
        """Moves the mouse to screen point x,y and clicks there."""
        self.move(x, y)
        self.xdotool("click", "--repeat", repeat, button)

    def mouse_down(self, button: int = 1) -> None:
        self.xdotool("mousedown", button)

    def mouse_up(self, button: int = 1) -> None:
        self.xdotool("mouseup", button)

    def key(self, *keys: str) -> None:
        """Presses keys (xdotool names: Return, Escape, Tab, alt+F4, ctrl+s ...) at the focused window."""
        self.xdotool("key", "--delay", 30, *keys)

    def type_text(self, text: str) -> None:
        self.xdotool("type", "--delay", 30, "--", text)

    def focus(self, window: Window, at: Optional[tuple[int, int]] = None, timeout: float = 10.0) -> None:
        """Makes `window` the foreground window: if it is not, clicks it (by default the middle of its
        caption; `at` gives another screen point) and waits until Wine reports it foreground."""
        __tracebackhide__ = True
        if self.foreground() == window.hwnd:
            return
        if at is None:
            has_caption = window.style & WS_CAPTION == WS_CAPTION
            at = (window.rect.center[0], window.rect.top + 10) if has_caption else window.client.center
        self.click(*at)
        self.wait_until(lambda: self.foreground() == window.hwnd, timeout, f"{window} to become the foreground window")

    def click_button(self, window: Window, text: str) -> None:
        """A real click in the middle of the dialog button labelled `text`."""
        __tracebackhide__ = True
        self.click(*window.button(text).rect.center)

    def confirm_message_box(self, box: Window, how: str = "key") -> None:
        """Dismisses a message box with real input: how="key" presses Return with it focused,
        how="click" clicks its OK button. Then waits until it is gone."""
        __tracebackhide__ = True
        if how == "key":
            self.focus(box)
            self.key("Return")
        elif how == "click":
            self.click_button(box, "OK")
        else:
            raise ValueError(how)
        self.wait_until(lambda: not self.find_windows(where=lambda w: w.hwnd == box.hwnd), 10,
                        f"message box {box} to close")

    # --- the screen ---------------------------------------------------------------------------

    def screenshot(self, path: os.PathLike | str | None = None) -> Path:
        """Saves the whole screen as PNG (default: in the session folder) and returns the path."""
        if path is None:
            path = self.workdir / "shots" / f"{time.monotonic_ns()}.png"
        path = Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)
        r = subprocess.run([IMPORT, "-display", self.display, "-window", "root", str(path)],
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=30)
        if r.returncode != 0 or not path.exists():
            raise AssertionError(f"screenshot failed: {r.stdout.strip()}")
        return path

    def screen(self):
        """The screen now as a PIL RGB image."""
        from PIL import Image
        path = self.screenshot()
        try:
            with Image.open(path) as img:
                return img.convert("RGB")
        finally:
            path.unlink(missing_ok=True)

    def pixel(self, x: int, y: int) -> tuple[int, int, int]:
        return self.screen().getpixel((x, y))

    def wait_for_pixel(self, x: int, y: int, rgb: Iterable[int], tolerance: int = 0, timeout: float = 10.0) -> None:
        __tracebackhide__ = True
        rgb = tuple(rgb)
        last = []

        def check():
            last[:] = [self.pixel(x, y)]
            return same_color(last[0], rgb, tolerance)

        try:
            self.wait_until(check, timeout, f"pixel {x},{y} to become {rgb}")
        except AssertionError as e:
            raise AssertionError(f"{e}\nlast seen colour there: {last[0] if last else None}") from None

    # --- sound --------------------------------------------------------------------------------

    def sound_streams(self) -> list[Path]:
        """The sink's files, oldest first. The sink never appends to a file that exists: the
        session's first stream is sound_path itself, every later one sound_path.NNNN."""
        base = self.sound_path
        found = []
        for p in base.parent.glob(base.name + "*"):
            if p.name == base.name:
                found.append((0, p))
            elif m := re.fullmatch(re.escape(base.name) + r"\.(\d{4})", p.name):
                found.append((int(m.group(1)), p))
        return [p for _, p in sorted(found)]

    def sound_bytes(self) -> int:
        """How many bytes of sound all programs have played so far (ALSA's file sink)."""
        total = 0
        for p in self.sound_streams():
            try:
                total += p.stat().st_size
            except FileNotFoundError:
                pass
        return total

    # --- marker -------------------------------------------------------------------------------

    def wait_for_marker(self, path: os.PathLike | str, timeout: float = 15.0) -> dict:
        """Waits for marker.exe's record at `path` and returns it ({"argv", "cwd", ...})."""
        __tracebackhide__ = True
        path = Path(path)
        return self.wait_until(lambda: json.loads(path.read_text()) if path.exists() else None, timeout,
                               f"marker.exe's record {path}")


# --- folders that tests prepare -----------------------------------------------------------------

class AppFolder:
    """A folder under the test's tmp dir holding copies of Quorvane.exe (under any name), the
    marker program and any files, e.g. the folder of a CD."""

    def __init__(self, rig: Rig, path: os.PathLike | str):
        self.rig = rig
        self.path = Path(path)
        self.path.mkdir(parents=True, exist_ok=True)

    def __truediv__(self, rel: str) -> Path:
        return self.path / rel

    @property
    def winpath(self) -> str:
        return winpath(self.path)

    def add_quorvane(self, name: str = "AutoRun.exe") -> Path:
        """A copy of the built Quorvane.exe under `name` (which decides player or designer)."""
        __tracebackhide__ = True
        if not self.rig.quorvane_exe.exists():
            raise AssertionError(f"{self.rig.quorvane_exe} does not exist: build the Windows tree "
                                 "(cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake "
                                 "-DCMAKE_BUILD_TYPE=Release && cmake --build build/win32) or set QUORVANE_BUILD")
        return Path(shutil.copy2(self.rig.quorvane_exe, self.path / name))

    def add_marker(self, name: str = "marker.exe") -> Path:
        return Path(shutil.copy2(self.rig.marker_exe, self.path / name))

    def mkdir(self, rel: str) -> Path:
        p = self.path / rel
        p.mkdir(parents=True, exist_ok=True)
        return p

    def write(self, rel: str, data: bytes | str) -> Path:
        p = self.path / rel
        p.parent.mkdir(parents=True, exist_ok=True)
        if isinstance(data, str):
            p.write_text(data)
        else:
            p.write_bytes(data)
        return p

    def write_project(self, project=None, name: str = "AutoRun.ard") -> Path:
        """Writes an ardfile.Project (default: a new project) as the folder's project file."""
        import ardfile
        return self.write(name, (project or ardfile.Project()).to_bytes())

    def start(self, name: str, *args: str, env: Optional[dict] = None, cwd=None) -> App:
        """Starts the program `name` of this folder (working directory: this folder)."""
        return self.rig.start(self.path / name, *args, env=env, cwd=cwd)
