#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the game's accessible tree the way a screen reader does, over AT-SPI: the program is
# started in a solo game with accessibility on; every control of the board and every picture
# it shows must have a name, the pawns and dice must say what they are, and starting a game
# through the accessible actions (File > Start Game, then the dialog's Start Game button)
# must announce the changed status line as an event.
#
# Run inside a private D-Bus session and an X server (see run_accessible_tree.sh). Exit code
# 77 means the tools are missing (the test is skipped), 1 a failure.
import os
import re
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as e:
    print("skipped: pyatspi is missing (%s)" % e)
    sys.exit(77)

context = GLib.MainContext.default()
failures = []


def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, predicate, seconds):
    end = time.time() + seconds
    while time.time() < end:
        value = predicate()
        if value:
            return value
        pump(0.2)
    print("timed out waiting for %s" % what)
    return None


def descendants(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.childCount):
        yield from descendants(node.getChildAtIndex(i), depth + 1)


def child_named(root, name, role=None):
    for node in descendants(root):
        try:
            if node.name == name and (role is None or node.getRoleName() == role):
                return node
        except Exception:
            pass
    return None


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)


def main():
    program = sys.argv[1]
    home = tempfile.mkdtemp()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=home,
               HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home)
    events = []

    def on_name(event):
        try:
            events.append((event.source.getRoleName(), event.source.name, event.source.description))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    game = subprocess.Popen([program, "--port", "0", "--time-scale", "0.05", "--seed", "4711"], env=env)
    try:
        def find_app():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "Quadrino":
                    return app
            return None

        app = wait_for("the program on the accessibility bus", find_app, 30)
        if app is None:
            return 1
        board = wait_for("the board", lambda: child_named(app, "Board", "filler"), 15)
        if board is None:
            return 1
        # Logged in: the own seat's name label reads "You".
        check(wait_for("the login", lambda: child_named(board, "You", "label"), 15) is not None, "no login")

        names = []
        for node in descendants(board):
            states = node.getState()
            if node is board or not states.contains(pyatspi.STATE_SHOWING):
                continue
            names.append(node.name)
            check(node.name != "", "a control of the board shows without a name (%s, %r)"
                  % (node.getRoleName(), node.description))
        pawns = [n for n in names if re.match(r"^(Yellow|Green|Magenta|Red) pawn [1-4], at start$", n)]
        check(len(pawns) >= 4, "the yellow pawns are not named: %r" % names)
        check("Die 1: not rolled" in names and "Die 2: not rolled" in names, "the dice are not named: %r" % names)
        check("Start Game" in names, "the start button is not named")
        # Every picture showing in any window (the lobby advert's logo among them) is named.
        for node in descendants(app):
            if node.getRoleName() == "image" and node.getState().contains(pyatspi.STATE_SHOWING):
                check(node.name != "", "a picture shows without a name (%r)" % node.description)

        status = child_named(app, "Welcome to Quadrino", "label")
        check(status is not None and status.description == "Whose turn", "the status line is not in the tree")

        # Start a game as a screen-reader user would: the menu entry, then the dialog's button.
        entry = wait_for("File > Start Game", lambda: child_named(app, "Start Game", "menu item"), 10)
        check(entry is not None, "File > Start Game is not in the tree")
        if entry is None:
            return 1
        wait_for("Start Game enabled", lambda: entry.getState().contains(pyatspi.STATE_ENABLED), 10)
        entry.queryAction().doAction(0)
        dialog = wait_for("the game options dialog",
                          lambda: next((a for a in descendants(app) if a.name == "Quadrino - Game Start"), None), 15)
        check(dialog is not None, "the game options dialog did not open")
        if dialog is None:
            return 1
        start = child_named(dialog, "Start Game", "push button")
        check(start is not None, "the dialog's Start Game button is not named")
        if start is None:
            return 1
        events.clear()
        start.queryAction().doAction(0)

        def status_announced():
            return [e for e in events if e[0] == "label" and e[2] == "Whose turn" and e[1] != "Welcome to Quadrino"]

        announced = wait_for("the status line's announcement", status_announced, 20)
        check(bool(announced), "no name-changed event for the status line; events: %r" % events[:20])
        if announced:
            print("announced: %r" % (announced[0],))
    finally:
        game.kill()
        game.wait(10)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
