"""Lists the viewer's accessible objects through AT-SPI and checks them.

accessible_objects.py VIEWER DISC

Starts the viewer on a copy of the disc, waits until its main window's
controls are announced, walks every accessible object (not into the pages'
own content, which the disc's authors wrote) and fails on:
- a visible control without a name (or one of a window not shown yet),
- a bar button announced as anything but a push button,
- a hidden diagnostic control that is announced at all,
- a window that is not a frame, or is named by its form ("SlideForm").
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

# Roles a user works with: each needs a name a reader can say.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TREE,
    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_FRAME,
    pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW,
}
# The pages' content: what is inside is the disc's, not the program's.
DOCUMENT_ROLES = {pyatspi.ROLE_DOCUMENT_WEB, pyatspi.ROLE_DOCUMENT_FRAME}

WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG}
# The contents tree's nodes share names with some buttons.
ITEM_ROLES = {pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_LIST_ITEM,
              pyatspi.ROLE_LABEL} | DOCUMENT_ROLES

BAR_BUTTONS = [
    "Wstęp", "Zawartość CD", "Mapa CD", "Autorzy", "Wydawca", "Sponsor", "Bibliografia",
    "Pomoc", "Drukuj", "Szukaj", "Początek strony", "Wstecz", "Dalej",
    "map", "obiektów opisywanych", "baz obiektów", "województw", "Formy ochrony",
    "Prawo ochrony przyr.", "Organizacja ochrony", "Międzynarodowa ochr.",
    "Sieci ekologiczne", "ECONET-PL", "Warunki przyrodnicze", "Historia ochrony przyr.",
    "Statystyka", "Galeria", "Słownik", "Minimalizuj", "Zamknij",
]
DIAGNOSTIC_CAPTIONS = {"chmurka", "RESearch", "lista", "MainRE", "Baza", "Memo2", "Spr"}
FORM_NAME = re.compile(r"^[A-Z][a-z]+[A-Z][A-Za-z0-9]*$")  # SlideForm, MovieShow

LIMIT_S = 180


def wait_for(what, probe):
    deadline = time.monotonic() + LIMIT_S
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} did not appear within {LIMIT_S} s")


def viewer_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        try:
            application = desktop.getChildAtIndex(index)
            if application is not None and application.get_process_id() == pid:
                return application
        except Exception:  # an application that just went away
            continue
    return None


def walk(accessible, depth=0, seen=None):
    """Every object under accessible, with its depth; stops at documents."""
    seen = set() if seen is None else seen
    if accessible is None or depth > 40 or len(seen) > 5000:
        return
    key = hash(accessible)
    if key in seen:
        return
    seen.add(key)
    yield accessible, depth
    if accessible.getRole() in DOCUMENT_ROLES:
        return
    for index in range(accessible.childCount):
        try:
            child = accessible.getChildAtIndex(index)
        except Exception:
            continue
        yield from walk(child, depth + 1, seen)


def showing(accessible):
    states = accessible.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def push_button_named(application, name):
    for accessible, _ in walk(application):
        if accessible.name == name and showing(accessible):
            return True
    return False


def main():
    viewer, disc = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp(prefix="velmora-a11y-")
    process = None
    try:
        copy = os.path.join(work, "disc")
        shutil.copytree(disc, copy)
        home = os.path.join(work, "home")
        os.mkdir(home)
        environment = dict(os.environ, HOME=home)
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"):
            environment.pop(name, None)
        environment.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu")
        environment.setdefault("QTWEBENGINE_DISABLE_SANDBOX", "1")
        process = subprocess.Popen([viewer], cwd=copy, env=environment,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        application = wait_for("the viewer on the accessibility bus",
                               lambda: viewer_application(process.pid))
        # The main window is up once its bars are announced.
        wait_for("the main window's buttons",
                 lambda: push_button_named(application, "Wstęp"))

        failures = []
        announced = {}
        window_shown = True
        for accessible, depth in walk(application):
            role = accessible.getRole()
            name = accessible.name or ""
            visible = showing(accessible)
            print(f"{'  ' * depth}{accessible.getRoleName()} {name!r}"
                  f"{'' if visible else ' (hidden)'}")
            if name in DIAGNOSTIC_CAPTIONS:
                failures.append(f"diagnostic control {name!r} is announced")
            if depth == 1:
                # A window not shown yet is listed whole: its controls will be.
                window_shown = visible
                if role not in WINDOW_ROLES:
                    failures.append(f"window {name!r} is announced as {accessible.getRoleName()}")
                if FORM_NAME.match(name):
                    failures.append(f"window named by its form: {name!r}")
            if not visible and window_shown:
                continue
            if role in CONTROL_ROLES and not name.strip():
                failures.append(f"{accessible.getRoleName()} without a name (depth {depth})")
            if visible and name in BAR_BUTTONS and role not in ITEM_ROLES:
                announced.setdefault(name, accessible.getRoleName())
                if role != pyatspi.ROLE_PUSH_BUTTON:
                    failures.append(f"{name!r} is announced as {accessible.getRoleName()}")
        for name in BAR_BUTTONS:
            if name not in announced:
                failures.append(f"no visible control named {name!r}")

        if process.poll() is not None:
            failures.append(f"the viewer ended with status {process.returncode}")
        for failure in failures:
            print("FAIL:", failure)
        return 1 if failures else 0
    finally:
        if process is not None and process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=60)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
