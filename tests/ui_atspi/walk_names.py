#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Solves 2x+3<5 by pressing the panel's buttons through the accessibility
# bridge (AT-SPI), then walks the program's accessible tree: every control
# must have a name, and every drawn line its text. Run inside a D-Bus session
# on an X display, with the program's path as the argument; exit 77 (a
# skipped test) when the AT-SPI registry cannot be reached.
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("pyatspi is not installed")
    sys.exit(77)

CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "menu item", "check menu item",
    "radio menu item", "combo box", "text", "entry", "spin button", "list", "table", "scroll bar",
    "slider", "page tab",
}
STEPS = ["①式", "移項", "実行", "②式", "整理", "実行", "③式", "両辺を割る", "2", "実行"]
DRAWN = ["①式 2x+3＜5", "②式 2x＜−3+5", "③式 2x＜2", "④式 x＜1", "【答】x＜1"]


def wait_for(find, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "talvoren":
            return app
    return None


def walk(node, out):
    out.append(node)
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, out)
    return out


def button(app, name):
    for node in walk(app, []):
        if node.getRoleName() == "push button" and node.name == name:
            return node
    return None


def start_program():
    """Starts the program and waits for it on the bus; a start that fails at
    once (the display refusing a first connection) is tried again, twice."""
    for attempt in range(3):
        program = subprocess.Popen([sys.argv[1]])
        wait_for(lambda: application() is not None or program.poll() is not None, 90)
        app = application()
        if app is not None:
            return program, app
        code = program.poll()
        if code is None:  # running, but never on the bus
            program.terminate()
            program.wait(10)
            return None, None
        print(f"the program ended at start (exit code {code}); attempt {attempt + 1} of 3")
    return None, None


def main():
    program = None
    try:
        try:
            pyatspi.Registry.getDesktop(0)
        except Exception as error:  # no registry on this bus: the bridge is not there
            print(f"skipped: no AT-SPI registry ({error})")
            return 77
        # A loaded machine can take long to start the program; a program that
        # never shows up is a failure, not a skip.
        program, app = start_program()
        if app is None:
            print("the program did not appear on the accessibility bus")
            return 1
        for name in STEPS:
            target = wait_for(lambda: button(app, name))
            if target is None:
                print("no button named " + name)
                return 1
            target.queryAction().doAction(0)
            time.sleep(0.3)
        nodes = walk(app, [])
        names = {node.name for node in nodes}
        wait_for(lambda: DRAWN[-1] in {n.name for n in walk(app, [])}, 10)
        nodes = walk(app, [])
        names = {node.name for node in nodes}
        unnamed = [n for n in nodes if n.getRoleName() in CONTROL_ROLES and not n.name.strip()]
        missing = [text for text in DRAWN if text not in names]
        controls = sum(1 for n in nodes if n.getRoleName() in CONTROL_ROLES)
        print(f"{controls} controls, {len(unnamed)} without a name; {len(DRAWN) - len(missing)} of {len(DRAWN)} lines")
        for n in unnamed:
            print(f"  without a name: {n.getRoleName()} under {n.parent.getRoleName()} '{n.parent.name}'")
        for text in missing:
            print("  line not found: " + text)
        # A dialog: 単元選択 opens the unit dialog, キャンセル closes it.
        button(app, "単元選択").queryAction().doAction(0)
        dialog = wait_for(lambda: next((n for n in walk(app, []) if n.getRoleName() == "dialog"), None), 10)
        if dialog is None:
            print("  the unit dialog did not open")
            return 1
        in_dialog = [n for n in walk(dialog, []) if n.getRoleName() in CONTROL_ROLES]
        unnamed_in_dialog = [n for n in in_dialog if not n.name.strip()]
        print(f"dialog '{dialog.name}': {len(in_dialog)} controls, {len(unnamed_in_dialog)} without a name")
        for n in unnamed_in_dialog:
            print(f"  without a name: {n.getRoleName()} in the dialog")
        cancel = button(dialog, "キャンセル")
        if cancel is not None:
            cancel.queryAction().doAction(0)
        return 1 if unnamed or missing or unnamed_in_dialog else 0
    finally:
        if program is not None:
            program.terminate()
            program.wait(10)


sys.exit(main())
