#!/usr/bin/python3
"""Lists every control of Corvessa's main window and preview as a screen
reader sees them, and fails on a control without a name.

Run it on a desktop, or without one:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 tools/accessibility_names.py build/src/shell/corvessa [PHOTO]

It starts the program with Qt's AT-SPI bridge on, reads the main window,
presses a category button and opens the first thumbnail through the
accessibility interface, reads the preview, and closes the program.
Needs python3-pyatspi (Debian) and at-spi2-core.
"""
import os
import subprocess
import sys
import time

import pyatspi

# Roles a user works; a nameless one of these is a fault.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_IMAGE, pyatspi.ROLE_SCROLL_BAR,
}


def find_app(pid, wait=20.0):
    end = time.time() + wait
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:
                pass
        time.sleep(0.3)
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def controls_of(window):
    """(role, name, description, interactive) of every node under `window`."""
    rows = []
    for node, depth in walk(window):
        role = node.getRole()
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        rows.append((depth, node, node.getRoleName(), node.name or "", node.description or "",
                     role in CONTROLS or focusable))
    return rows


def report(title, window, only=None):
    print(f"== {title}")
    empty = 0
    for depth, node, role, name, description, control in controls_of(window):
        if not control or (only and not only(name)):
            continue
        # A control never shown nor reached by the keyboard (a helper image) is nobody's.
        state = node.getState()
        if not state.contains(pyatspi.STATE_SHOWING) and not state.contains(pyatspi.STATE_FOCUSABLE):
            continue
        mark = "" if name.strip() else "   <-- NO NAME"
        empty += 0 if name.strip() else 1
        text = f"{'  ' * depth}{role}: {name!r}"
        if description:
            text += f" ({description})"
        print(text + mark)
    return empty


def press(window, name):
    for _depth, node, _role, node_name, _d, _c in controls_of(window):
        if node_name == name:
            action = node.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            for i, action_name in enumerate(names):
                if action_name.lower() in ("press", "click"):
                    action.doAction(i)
                    return True
            print(f"'{name}' offers no press: {names}")
    return False


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([sys.argv[1]] + sys.argv[2:3], env=env)
    try:
        app = find_app(program.pid)
        if app is None:
            print("the program did not show on the accessibility bus")
            return 1
        time.sleep(1.0)
        main_window = next(w for w in app if w is not None and w.name == "Corvessa")
        empty = report("main window", main_window)
        # A category, then its first look: the preview opens.
        if not press(main_window, "Light A"):
            print("no 'Light A' button to press")
        time.sleep(2.0)
        empty += report("the strip of Light A", main_window, lambda name: name.startswith("Light A, look"))
        for _depth, node, _role, name, _d, _c in controls_of(main_window):
            if name.startswith("Light A, look 1:"):
                try:
                    node.queryAction().doAction(0)
                except NotImplementedError:
                    node.queryComponent().grabFocus()
                    pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)
                break
        time.sleep(3.0)
        previews = [w for w in app if w is not None and w.name.startswith("Preview")]
        if previews:
            empty += report("preview", previews[0])
        else:
            print("== preview: did not open (no window manager to take the key?)")
        print(f"{empty} control(s) without a name")
        return 1 if empty else 0
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    sys.exit(main())
