#!/usr/bin/python3
"""Walks the accessibility tree of the running program over the AT-SPI bus and checks one page.

Usage: accessibility_walk.py PAGE [--focus ROLE NAME] [--has ROLE NAME]

Prints the tree (role, name, states) and fails (status 1) on any object that can take the focus or be
pressed but has no name, on any object exposed while it is not showing (a hidden control), and when
the focused object, or an object that must be there, is not the one named. NAME matches the start of
the object's name or description.
"""
import sys
import time

import pyatspi

APP = "Keyvane's Games!"


def find_app():
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP:
                return app
        time.sleep(0.2)
    return None


def has_press_action(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return False
    names = [action.getName(i).lower() for i in range(action.nActions)]
    return any(n in ("press", "click", "activate", "toggle") for n in names)


def walk(obj, depth, out, problems, in_list):
    role = obj.getRoleName()
    name = obj.name or ""
    states = obj.getState()
    showing = states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)
    focusable = states.contains(pyatspi.STATE_FOCUSABLE)
    pressable = has_press_action(obj)
    flags = "".join(
        f for f, on in (("F", states.contains(pyatspi.STATE_FOCUSED)), ("f", focusable),
                        ("p", pressable), ("h", not showing)) if on)
    out.append(f"{'  ' * depth}{role} '{name}' [{flags}]")
    # The items of a closed drop-down list are the list's own and are not shown until it opens.
    if not showing and not in_list and depth > 0:
        problems.append(f"hidden {role} '{name}' is exposed")
    if (focusable or pressable) and not name.strip() and not in_list:
        problems.append(f"{role} without a name ({'focusable' if focusable else 'pressable'})")
    child_in_list = in_list or obj.getRole() == pyatspi.ROLE_COMBO_BOX
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out, problems, child_in_list)


def find(obj, role, name, focused_only):
    states = obj.getState()
    # A list's name on the desktop is its chosen item; which list it is, its description says.
    names = (obj.name or "", obj.description or "")
    if obj.getRoleName() == role and any(n.startswith(name) for n in names):
        if not focused_only or states.contains(pyatspi.STATE_FOCUSED):
            return True
    return any(find(obj.getChildAtIndex(i), role, name, focused_only)
               for i in range(obj.childCount) if obj.getChildAtIndex(i) is not None)


def main(argv):
    page = argv[1]
    args = argv[2:]
    wants = [tuple(args[i:i + 3]) for i in range(0, len(args) - 2, 3)]
    app = find_app()
    if app is None:
        print(f"{page}: the program is not on the accessibility bus", file=sys.stderr)
        return 1
    out, problems = [], []
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None:
            walk(window, 0, out, problems, False)
    for kind, role, name in wants:
        if not find(app, role, name, kind == "--focus"):
            problems.append(f"no {'focused ' if kind == '--focus' else ''}{role} named '{name}...'")
    print(f"== {page}")
    print("\n".join(out))
    for p in problems:
        print(f"{page}: {p}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
