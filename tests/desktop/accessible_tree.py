#!/usr/bin/python3
"""What a screen reader finds in Horalo's windows, read over AT-SPI as Orca reads it.

Usage: accessible_tree.py LANGUAGE OPENED_FILE
LANGUAGE is eng or rus, the interface language the running program was started
in; OPENED_FILE is where the stand-in web browser writes each address it is
handed. Walks the splash (which must still be up), the main window, About and
Rules, and ends with exit code 1 and one line per fault it finds.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LANGUAGE, OPENED = sys.argv[1], sys.argv[2]
RUSSIAN = LANGUAGE == "rus"
CYRILLIC = re.compile("[А-Яа-яЁё]")
LATIN = re.compile("[A-Za-z]")
ADDRESS = re.compile(r"^(\S+@\S+\.\w+|www\.\S+)$")
ANY_ADDRESS = re.compile(r"\S+@\S+\.\w+|www\.[\w.]+\w")
# Rows of underscores and runs of blanks draw or lay out; a screen reader would read them out.
DECORATION = re.compile(r"_{3,}| {3,}")
CHECKABLE_ROLES = {pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM}
# The texts the state-holding labels carry: language, view, show-logo flag.
STATE_TEXTS = {"eng", "rus", "logo", "ani", "yes", "no", ""}
# Containers a screen reader passes through without reading them.
UNNAMED_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_POPUP_MENU}
faults = []


def wait_for(what, find, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the program is still building its tree
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear within {seconds} s")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def nodes(root):
    yield root
    for child in root:
        if child is not None:
            yield from nodes(child)


def in_language(name):
    if ADDRESS.match(name):
        return True
    if RUSSIAN:
        return bool(CYRILLIC.search(name)) or not LATIN.search(name)
    return not CYRILLIC.search(name)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return {}
    return {action.getName(i).lower(): i for i in range(action.nActions)}


def check(window, title):
    """One window's tree: names, roles, links, no state-holding label, and nothing
    read that is only there for the eye, an address read twice among it."""
    role_name = window.getRoleName()
    addresses = []
    for node in nodes(window):
        for text in (node.name, node.description):
            if DECORATION.search(text):
                faults.append(f"{title}: {node.getRoleName()} {text!r}: decoration is read")
            if showing(node):
                addresses += ANY_ADDRESS.findall(text)
        where = f"{title}: {node.getRoleName()} {node.name!r}"
        if node.getRole() == pyatspi.ROLE_LABEL and node.name in STATE_TEXTS:
            faults.append(f"{where}: a state-holding label is in the tree")
        if node.getRole() == pyatspi.ROLE_LABEL and ADDRESS.match(node.name):
            faults.append(f"{where}: an address that is not a link")
        if not showing(node):
            continue
        if not node.name and node.getRole() not in UNNAMED_ROLES:
            faults.append(f"{where}: no name")
        if node.name and not in_language(node.name):
            faults.append(f"{where}: the name is not in the interface language")
    twice = sorted({address for address in addresses if addresses.count(address) > 1})
    if twice:
        faults.append(f"{title}: addresses read twice: {twice}")
    return role_name


def links_of(window, title):
    links = [node for node in nodes(window) if node.getRole() == pyatspi.ROLE_LINK]
    if len(links) != 2:
        faults.append(f"{title}: {len(links)} links instead of the web and the e-mail link")
    for link in links:
        if "press" not in actions(link):
            faults.append(f"{title}: link {link.name!r} has no press action")
        if not ADDRESS.match(link.description):
            faults.append(f"{title}: link {link.name!r} does not describe its address")
        if link.getState().contains(pyatspi.STATE_FOCUSABLE):
            faults.append(f"{title}: link {link.name!r} takes the keyboard focus")
    return links


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Horalo":
            return app
    return None


def window(app, role, name=None):
    for child in app:
        if child is not None and child.getRole() == role and showing(child):
            if name is None or child.name == name:
                return child
    return None


def name_changes(seconds):
    """The name changes the program announces over `seconds` of the shown main window."""
    heard = []
    listener = lambda event: heard.append(event.source.name if event.source else "?")
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()
    pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
    return heard


def interval_read(main):
    """What the interval box's editor reads, for each such box."""
    boxes = [n for n in nodes(main) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    return [n.queryText().getText(0, -1) for box in boxes for n in nodes(box)
            if n.getRole() == pyatspi.ROLE_TEXT]


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def check_items(main):
    """The checkable menu items, Show Logo, English and Russian, in menu order."""
    items = [n for n in nodes(main) if n.getRole() in CHECKABLE_ROLES or
             n.getState().contains(pyatspi.STATE_CHECKABLE)]
    if len(items) != 3:
        sys.exit(f"FAIL: checkable menu items {[n.name for n in items]}, not Show Logo and the languages")
    return items


def keys_reflected(main, steps):
    """Presses each key of `steps` in the main window and waits, a few seconds at
    most, for the marks of the check items and the window's name it gives, each
    change told by an event."""
    items = check_items(main)
    told = []
    listener = lambda event: told.append(event.source)
    pyatspi.Registry.registerEventListener(listener, "object:state-changed:checked")
    window_id = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{main.name}$"],
                               capture_output=True, text=True).stdout.split()[0]
    for key, marks, name in steps:
        before = [checked(item) for item in items]
        told.clear()
        subprocess.run(["xdotool", "windowactivate", "--sync", window_id, "key", key], check=True)
        context = GLib.MainContext.default()
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline and (
                [checked(item) for item in items] != marks or main.name != name or
                sum(before[i] != marks[i] for i in range(3)) > len(told)):
            context.iteration(False)
            time.sleep(0.02)
        now = [checked(item) for item in items]
        if now != marks or main.name != name:
            faults.append(f"{key}: marks {now} and window {main.name!r}, not {marks} and {name!r}")
        untold = [items[i].name for i in range(3) if before[i] != now[i] and items[i] not in told]
        if untold:
            faults.append(f"{key}: no event told of the new mark of {untold}")
    pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:checked")


def press_menu_item(main, name):
    for node in nodes(main):
        # The Help menu's title is a menu item too, one that only opens its menu.
        if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == name and "press" in actions(node):
            node.queryAction().doAction(actions(node)["press"])
            return
    sys.exit(f"FAIL: no menu item {name!r}")


def opened():
    try:
        with open(OPENED, encoding="utf-8") as file:
            return file.read().splitlines()
    except FileNotFoundError:
        return []


def main():
    app = wait_for("the program on the accessibility bus", application, 30)
    splash = wait_for("the splash", lambda: window(app, pyatspi.ROLE_DIALOG), 10)
    check(splash, "splash")
    if not splash.name or splash.getChildCount() != 1:
        faults.append(f"splash: {splash.name!r} with {splash.getChildCount()} nodes, not one picture")

    main_window = wait_for("the main window", lambda: window(app, pyatspi.ROLE_FRAME), 30)
    if check(main_window, "main window") != "frame":
        faults.append("main window: not a frame")
    combo = [n for n in nodes(main_window) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    interval = "Интервал" if RUSSIAN else "Interval"
    if [n.name for n in combo] != [interval]:
        faults.append(f"main window: the interval box is named {[n.name for n in combo]}")
    # A screen reader reads the box's value as the text of its editor.
    value = interval_read(main_window)
    if value != ["15 минут" if RUSSIAN else "15 minutes"]:
        faults.append(f"main window: the interval box reads {value!r}")
    heard = name_changes(3.5)
    if heard:
        faults.append(f"main window: name changes announced while nothing changed: {heard}")

    # Show Logo, English, Russian: each key's choice is there at once, in the
    # marks and the window's name; then the window is as it was.
    own, other = ("Хорало", "Horalo") if RUSSIAN else ("Horalo", "Хорало")
    language = [False, True] if RUSSIAN else [True, False]
    keys_reflected(main_window, [
        ("F5" if RUSSIAN else "F6", [True] + language[::-1], other),
        ("ctrl+l", [False] + language[::-1], other),
        ("F6" if RUSSIAN else "F5", [False] + language, own),
        ("ctrl+l", [True] + language, own),
    ])

    press_menu_item(main_window, "О программе" if RUSSIAN else "About program")
    about_name = "О программе Хорало" if RUSSIAN else "About Horalo"
    about = wait_for("the About window", lambda: window(app, pyatspi.ROLE_DIALOG, about_name), 10)
    check(about, "About")
    web = [link for link in links_of(about, "About") if link.description.startswith("www.")]
    if web:
        web[0].queryAction().doAction(actions(web[0])["press"])
        wait_for("the web address at the browser", lambda: opened() or None, 10)

    press_menu_item(main_window, "Правила" if RUSSIAN else "Help")
    rules_name = "Правила Хорало" if RUSSIAN else "Horalo rules"
    rules = wait_for("the Rules window", lambda: window(app, pyatspi.ROLE_DIALOG, rules_name), 10)
    check(rules, "Rules")
    links_of(rules, "Rules")

    # Opening Rules was a round trip through the program: a second launch would be there by now.
    if opened() != ["http://www.horalo.example.org"]:
        faults.append(f"the web link's action handed the browser {opened()}")

    # Default options: English and the quarter hour, in the marks, the window's
    # name and the interval box's words.
    keys_reflected(main_window, [("F3", [True, True, False], "Horalo")])
    value = interval_read(main_window)
    if value != ["15 minutes"]:
        faults.append(f"F3: the interval box reads {value!r}")
    for fault in faults:
        print(f"FAIL: {fault}")
    sys.exit(1 if faults else 0)


main()
