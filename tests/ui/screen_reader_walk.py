#!/usr/bin/env python3
"""What a screen reader finds in the running program's main window.

Starts the program, walks the main window's accessible tree over AT-SPI as a screen reader does,
and checks that every general box, fitting button and section cell reads as its caption (or its
section and column) with its unit, in the language given, that each general box is labelled by
the caption beside it, and that every control keeps its object name as its description.

    screen_reader_walk.py PATH/TO/thalmuro el|en

The program runs on a virtual X display of its own (Xvfb); run the script inside a D-Bus session
of its own, where the program's accessibility bridge and the AT-SPI registry meet
(screen_reader_test.sh does).
"""
import contextlib
import os
import select
import subprocess
import sys
import tempfile
import time

import pyatspi

# How long the program may take to start and show its tree, and how often to look.
DEADLINE_SECONDS = 60
POLL_SECONDS = 0.1

GENERAL = {
    "el": {
        "Text1": ("Πλήθος Ανυψωτήρων", "Label1_0"),
        "Text2": ("Τμήματα Διαχυτήρα", "Label1_1"),
        "Text4": ("Δρ/ρ", "Label1_3"),
        "Text5": ("Ολική Παροχή (m³/s)", "Label1_4"),
        "Text6": ("Αριθμός Manning", "Label1_5"),
        "Option1": ("Τύπος Συναρμογής: Sharp", None),
        "Option2": ("Τύπος Συναρμογής: Bell", None),
    },
    "en": {
        "Text1": ("Number of risers", "Label1_0"),
        "Text2": ("Diffuser sections", "Label1_1"),
        "Text4": ("Δρ/ρ", "Label1_3"),
        "Text5": ("Total discharge (m³/s)", "Label1_4"),
        "Text6": ("Manning number", "Label1_5"),
        "Option1": ("Fitting type: Sharp", None),
        "Option2": ("Fitting type: Bell", None),
    },
}

# The section table's columns: the cells "<column>_0" ... "<column>_29", read with their section.
SECTION = {"el": "Τμήμα {row}, {column}", "en": "Section {row}, {column}"}
COLUMNS = {
    "el": {
        "textfn": "πρώτος ανυψωτήρας",
        "textln": "τελευταίος ανυψωτήρας",
        "textdr_thalmuro": "διάμετρος αγωγού D (m)",
        "textdxanipsotiror": "απόσταση ανυψωτήρων (m)",
        "textdz_anipsotiron": "υψομετρική διαφορά ανυψωτήρων (m)",
        "textdr_anipsotiron": "διάμετρος ανυψωτήρων d (m)",
    },
    "en": {
        "textfn": "first riser",
        "textln": "last riser",
        "textdr_thalmuro": "pipe diameter D (m)",
        "textdxanipsotiror": "riser spacing (m)",
        "textdz_anipsotiron": "elevation step between risers (m)",
        "textdr_anipsotiron": "riser diameter d (m)",
    },
}
ROWS = 30

BOX_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}


def expected_names(language):
    """Each control's description (its object name) with the name it must read as and the
    caption that must label it."""
    expected = dict(GENERAL[language])
    for column, heading in COLUMNS[language].items():
        for row in range(1, ROWS + 1):
            name = SECTION[language].format(row=row, column=heading)
            expected[f"{column}_{row - 1}"] = (name, None)
    return expected


def descendants(accessible):
    """Every accessible below `accessible`, depth first."""
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def main_window(pid):
    """The accessible main window (description "Form1") of the program `pid`, if it shows."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is None:
            continue
        try:
            if application.get_process_id() != pid:
                continue
        except Exception:  # an application that went away while the desktop was read
            continue
        for j in range(application.childCount):
            window = application.getChildAtIndex(j)
            if window is not None and window.description == "Form1":
                return window
    return None


def controls_by_description(window, wanted):
    """The controls of `window` whose descriptions are in `wanted`, by description."""
    found = {}
    for accessible in descendants(window):
        if accessible.description in wanted:
            found[accessible.description] = accessible
    return found


def labels_of(accessible):
    """The descriptions of the controls that label `accessible`."""
    labels = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            labels.append(relation.getTarget(i).description)
    return labels


def check(window, controls, expected):
    """The faults of the controls found, one line each."""
    faults = []
    labels = {label for _, label in expected.values() if label}
    caption = controls_by_description(window, labels)
    for description, (name, label) in sorted(expected.items()):
        accessible = controls.get(description)
        if accessible is None:
            faults.append(f"{description}: not in the accessible tree")
            continue
        if accessible.name != name:
            faults.append(f"{description}: reads {accessible.name!r}, not {name!r}")
        role = accessible.getRole()
        wanted_roles = {pyatspi.ROLE_RADIO_BUTTON} if description.startswith("Option") else BOX_ROLES
        if role not in wanted_roles:
            faults.append(f"{description}: role {accessible.getRoleName()}")
        if label is None:
            continue
        if labels_of(accessible) != [label]:
            faults.append(f"{description}: labelled by {labels_of(accessible)}, not [{label!r}]")
        elif label not in caption or not name.startswith(caption[label].name):
            faults.append(f"{description}: {name!r} does not read as the caption {label}")
    return faults


@contextlib.contextmanager
def virtual_display():
    """A virtual X display, as ":N". Xvfb picks a number no other server holds and writes it to
    the pipe once it takes connections, so servers started side by side never collide."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        number = b""
        deadline = time.monotonic() + DEADLINE_SECONDS
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], deadline - time.monotonic())
            if not ready:
                break
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        if not number.strip():
            raise RuntimeError("the virtual display did not start")
        yield ":" + number.decode().strip()
    finally:
        os.close(read_end)
        server.terminate()
        server.wait()


def walk(program, language):
    # A home of its own: the language the user chose last, kept in the settings, stays out.
    with virtual_display() as display, tempfile.TemporaryDirectory() as home:
        return walk_on(display, home, program, language)


def walk_on(display, home, program, language):
    expected = expected_names(language)
    environment = dict(os.environ, DISPLAY=display, HOME=home,
                       XDG_CONFIG_HOME=os.path.join(home, ".config"), LANG="el_GR.UTF-8",
                       QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program, "--language", language], env=environment)
    try:
        deadline = time.monotonic() + DEADLINE_SECONDS
        window, controls = None, {}
        while time.monotonic() < deadline:
            if process.poll() is not None:
                return [f"the program ended with {process.returncode} before its window showed"]
            window = main_window(process.pid)
            if window is not None:
                controls = controls_by_description(window, expected)
                if len(controls) == len(expected):
                    break
            time.sleep(POLL_SECONDS)
        if window is None:
            return [f"no main window in the accessible tree within {DEADLINE_SECONDS} s"]
        print(f"{language}: main window {window.name!r}, {len(controls)} of {len(expected)} "
              "controls found")
        return check(window, controls, expected)
    finally:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in GENERAL:
        print("usage: screen_reader_walk.py PATH/TO/thalmuro el|en", file=sys.stderr)
        return 2
    faults = walk(sys.argv[1], sys.argv[2])
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
