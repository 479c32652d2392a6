"""Fixtures of the end-to-end tests (see rig.py for the helpers they hand out).

  rig         session-wide Rig: private Xvfb, Wine prefix, winprobe, input, screenshots, sound
  app_folder  an AppFolder at <tmp>/cd for one test (copies of Quorvane.exe, marker.exe, files)

Every program a test starts is killed when the test ends. A failing test leaves a screenshot at
build/e2e-failures/<test name>.png; its path (and the started programs' output) is added to the
failure report.
"""
from __future__ import annotations

import re

import pytest

import rig as rig_module
from rig import AppFolder, Rig


@pytest.fixture(scope="session")
def rig(tmp_path_factory) -> Rig:
    r = Rig(tmp_path_factory.mktemp("e2e-session"))
    try:
        r.boot()
        yield r
    finally:
        r.shutdown()


@pytest.fixture(autouse=True)
def _programs_of_this_test():
    """Gives each test its own token for the programs it starts and kills them afterwards."""
    active = rig_module.ACTIVE
    if active is not None:
        active.begin_test()
    yield
    active = rig_module.ACTIVE
    if active is not None:
        active.cleanup_test()


@pytest.fixture
def app_folder(rig, tmp_path) -> AppFolder:
    return AppFolder(rig, tmp_path / "cd")


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    active = rig_module.ACTIVE
    if not report.failed or report.when not in ("setup", "call") or active is None:
        return
    # ImageMagick reads "name[...]" as a frame selection: brackets become plain characters.
    name = re.sub(r"[^A-Za-z0-9_.-]+", "_", item.name)
    path = rig_module.FAILURES_DIR / f"{name}.png"
    try:
        active.screenshot(path)
        note = f"screenshot of the screen at the failure: {path}"
    except Exception as e:  # the report must not be lost for want of a picture
        note = f"no screenshot ({e})"
    for app in active.apps():
        state = "running" if not app.exited else f"exit code {app.returncode}"
        tail = app.log_tail()
        note += f"\n{app.exe.name} ({state}), output in {app.log}" + (f":\n{tail}" if tail else "")
    if hasattr(report.longrepr, "addsection"):
        report.longrepr.addsection("e2e screenshot", note)
    else:
        report.sections.append(("e2e screenshot", note))
