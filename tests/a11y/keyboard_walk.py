#!/usr/bin/env python3
"""Walks every window of `lanvane --demo` by keyboard through the accessibility bus, inside
an X display and a D-Bus session: every control a user can act on has a name, Tab and
Shift+Tab leave every control and come round again, Enter and Escape do what the window
says, and in the configuration window so do the page keys and the arrows on the tab strip.

    keyboard_walk.py PROGRAM LANGUAGE_TABLE_OR_EMPTY
"""

import os
import re
import subprocess
import sys
import time


def wait_for_display():
    """The X server may still be starting when the session runs this."""
    deadline = time.monotonic() + 15
    while subprocess.run(["xdpyinfo"], capture_output=True).returncode != 0:
        if time.monotonic() > deadline:
            raise SystemExit(f"no X server at {os.environ.get('DISPLAY')}")
        time.sleep(0.2)


wait_for_display()
import pyatspi  # noqa: E402  (it talks to the X server as it loads)

KEY_TAB = 0xFF09
KEY_RETURN = 0xFF0D
KEY_ESCAPE = 0xFF1B
KEY_RIGHT = 0xFF53
KEY_PAGE_DOWN = 0xFF56
CONTROL_MASK = 1 << 2
SHIFT_MASK = 1 << 0

WAIT_SECONDS = 15
MOST_TAB_STOPS = 60

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PROGRESS_BAR,
}

failures = []


def fail(window, what):
    failures.append(f"{window}: {what}")
    print(f"FAIL {window}: {what}", flush=True)


def plain(text):
    """A text as its control shows and names it: no access-key mark ("検索(&S)" shows
    "検索(S)"), "&&" one ampersand; without a label's colon."""
    return re.sub(r"&(.)", r"\1", text).rstrip(" :\uff1a")


def load_texts(table):
    """English text -> the language's, from a language table ("English = translation"); the
    first translation of a text stands."""
    if not table:
        return {}
    with open(table, encoding="utf-8") as lines:
        pairs = [line.rstrip("\n").partition(" = ") for line in lines]
    return dict(reversed([(plain(english), plain(translated)) for english, equals, translated in pairs
                          if equals and not english.startswith(("@", "#"))]))


def has(node, state):
    return node.getState().contains(state)


def identity(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (node.getRoleName(), node.name, extents.x, extents.y, extents.width, extents.height)


def name_of(node):
    """What a screen reader reads: the name, else the label tied to the control (Qt names
    a combo box by its value and ties its label by a relation)."""
    if node.name.strip():
        return node.name
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            return relation.getTarget(0).name
    return ""


def describe(node):
    return f"{node.getRoleName()} \"{name_of(node)}\""


def descendants(root):
    """What the window shows, in order; hidden pages are passed over."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is not root and not has(node, pyatspi.STATE_SHOWING):
            continue
        yield node
        if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
            continue  # cells are named by their text and header
        stack.extend(child for child in reversed(list(node)) if child is not None)


def first(window, role):
    return next((node for node in descendants(window) if node.getRole() == role), None)


def focusable(window):
    return [node for node in descendants(window)
            if has(node, pyatspi.STATE_FOCUSABLE) and node.getRole() != pyatspi.ROLE_FRAME]


def focused(window, candidates=None):
    """The innermost focused object: a button box and its button both say focused."""
    found = [node for node in (candidates if candidates is not None else focusable(window))
             if has(node, pyatspi.STATE_FOCUSED)]
    return found[-1] if found else None


def tab_stops_offered(window):
    return sum(1 for node in descendants(window)
               if node.getRole() in INTERACTIVE and node.getRole() != pyatspi.ROLE_PAGE_TAB and
               has(node, pyatspi.STATE_FOCUSABLE) and has(node, pyatspi.STATE_ENABLED))


def press(keysym, modifiers=0):
    registry = pyatspi.Registry
    if modifiers:
        registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    if modifiers:
        registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)
    time.sleep(0.15)


def grab_focus(node):
    node.queryComponent().grabFocus()
    time.sleep(0.2)


def check_names(window, label):
    for node in descendants(window):
        if node.getRole() in INTERACTIVE and not name_of(node).strip():
            fail(label, f"unnamed {node.getRoleName()}")
        # A combo box is named by its value (data such as "PIN&PBC"), the rest by texts.
        if node.getRole() != pyatspi.ROLE_COMBO_BOX and re.search(r"&[^ ]", node.name or ""):
            fail(label, f"{describe(node)} reads an access-key mark")
    table = first(window, pyatspi.ROLE_TABLE)
    if table is None:
        return
    headers = table.queryTable()
    for column in range(headers.nColumns):
        if not headers.getColumnDescription(column):
            fail(label, f"table \"{table.name}\" column {column} has no header")


def walk_tab_stops(window, label, modifiers, name, candidates):
    """Tab (or Shift+Tab) from the focus round every tab stop and back: the stops passed."""
    seen = [focused(window, candidates)]
    if seen[0] is None:
        fail(label, "nothing has the focus")
        return []
    for _ in range(MOST_TAB_STOPS):
        before = seen[-1]
        press(KEY_TAB, modifiers)
        now = focused(window, candidates)
        if now is None:
            fail(label, f"{name} from {describe(before)} leaves the window")
            return seen
        if identity(now) == identity(before) and tab_stops_offered(window) > 1:
            fail(label, f"{name} does not leave {describe(now)}")
            return seen
        if not name_of(now).strip():
            fail(label, f"{name} reaches an unnamed {now.getRoleName()}")
        if any(identity(now) == identity(stop) for stop in seen):
            return seen
        seen.append(now)
    fail(label, f"{name} never comes round again from {describe(seen[0])}: a trap")
    return seen


class Walk:
    def __init__(self, program, table):
        self.texts = load_texts(table)
        self.process = subprocess.Popen([program, "--demo"])
        self.app = self.wait_for(self.find_app, "the program on the accessibility bus")

    def wait_for(self, probe, what):
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            try:
                found = probe()
            except Exception:  # the program is busy (a blocking exchange) and does not answer
                found = None
            if found:
                return found
            time.sleep(0.1)
        raise SystemExit(f"gave up waiting for {what}")

    def find_app(self):
        return next((app for app in pyatspi.Registry.getDesktop(0)
                     if app is not None and app.get_process_id() == self.process.pid), None)

    def active_window(self):
        return next((window for window in self.app if window is not None and has(window, pyatspi.STATE_ACTIVE)), None)

    def expect(self, wanted, what):
        """Until the active window's identity is as wanted; that window."""
        def probe():
            window = self.active_window()
            return window if window is not None and wanted(identity(window)) else None
        return self.wait_for(probe, what)

    def opens_over(self, window, what):
        return self.expect(lambda now: now != identity(window), what)

    def key_back_to(self, key, window, what):
        press(key)
        self.expect(lambda now: now == identity(window), what)

    def click(self, window, english):
        wanted = self.texts.get(english, english)
        button = next((node for node in descendants(window)
                       if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and plain(node.name) == wanted), None)
        if button is None:
            raise SystemExit(f"{window.name}: no button \"{wanted}\"")
        button.queryAction().doAction(0)
        time.sleep(0.2)

    def check_window(self, label):
        """The active window's names, and its tab stops round and back: those of Tab."""
        window = self.wait_for(self.active_window, label)
        check_names(window, label)
        candidates = focusable(window)
        stops = walk_tab_stops(window, label, 0, "Tab", candidates)
        if stops:
            walk_tab_stops(window, label, SHIFT_MASK, "Shift+Tab", candidates)
            print(f"{label}: {len(stops)} tab stops: " + ", ".join(map(describe, stops)), flush=True)
        return stops

    def wait_for_rows(self, window, what):
        """Until the window is on top again, its table lists something and the focus is in it."""
        def listed():
            active = self.active_window()
            return (identity(active) == identity(window) and focused(active) is not None and
                    first(active, pyatspi.ROLE_TABLE).queryTable().nRows > 0)
        self.wait_for(listed, f"{what} to list something")

    def device_list(self, english, label):
        menu = self.active_window()
        self.click(menu, english)
        window = self.opens_over(menu, label)
        self.click(window, "Search")
        self.wait_for_rows(window, label)
        self.check_window(label)
        return menu, window

    def ethernet(self):
        menu, devices = self.device_list("Ethernet Configuration", "Ethernet device list")
        grab_focus(first(devices, pyatspi.ROLE_TABLE))
        press(KEY_RETURN)
        self.opens_over(devices, "Enter in the device list opens the printer's setting")
        self.check_window("Network setting")
        self.key_back_to(KEY_ESCAPE, devices, "Escape closes the network setting")
        self.key_back_to(KEY_ESCAPE, menu, "Escape closes the Ethernet device list")

    def wlan(self):
        menu, devices = self.device_list("WLAN Configuration", "WLAN device list")
        self.click(devices, "BSS Info")
        survey = self.opens_over(devices, "the BSS information")
        self.opens_over(survey, "the survey's message")
        press(KEY_RETURN)
        self.wait_for_rows(survey, "BSS information")
        self.check_window("BSS information")
        self.key_back_to(KEY_ESCAPE, devices, "Escape closes the BSS information")
        self.key_back_to(KEY_ESCAPE, menu, "Escape closes the WLAN device list")

    @staticmethod
    def tabs(window):
        strip = first(window, pyatspi.ROLE_PAGE_TAB_LIST)
        return strip, [tab for tab in strip if tab is not None and tab.getRole() == pyatspi.ROLE_PAGE_TAB]

    def selected_tab(self, window):
        """Qt marks the current tab as focused (also while the focus is on its page)."""
        return next(index for index, tab in enumerate(self.tabs(window)[1])
                    if has(tab, pyatspi.STATE_SELECTED) or has(tab, pyatspi.STATE_FOCUSED))

    def turns_to_next_page(self, window, keysym, modifiers=0):
        pages = len(self.tabs(window)[1])
        expected = (self.selected_tab(window) + 1) % pages
        press(keysym, modifiers)
        deadline = time.monotonic() + 3
        while self.selected_tab(window) != expected:
            if time.monotonic() > deadline:
                return False
            time.sleep(0.1)
        return True

    def configuration(self):
        menu = self.active_window()
        self.click(menu, "Serial/USB Configuration")
        window = self.opens_over(menu, "the configuration window")
        self.click(window, "Connect")
        self.opens_over(window, "the connect message")
        self.key_back_to(KEY_RETURN, window, "Enter closes the connect message")
        for page in range(len(self.tabs(window)[1])):
            label = f"configuration page {page + 1}"
            inside = next((node for node in self.check_window(label) if node.getRole() not in
                           (pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_PUSH_BUTTON)), None)
            if inside is not None:
                grab_focus(inside)
            if not self.turns_to_next_page(window, KEY_PAGE_DOWN if page % 2 else KEY_TAB, CONTROL_MASK):
                fail(label, "Ctrl+Tab / Ctrl+PageDown does not go to the next page")
        # The keys back are keyboard.scn's, played at the same widgets. A page may put the
        # focus on its own control as it comes up: the strip takes it back.
        grab_focus(self.tabs(window)[0])
        if not self.turns_to_next_page(window, KEY_RIGHT):
            fail("configuration window", "Right on the tab strip does not go to the next page")
        self.click(window, "Update")
        self.opens_over(window, "the update message")
        press(KEY_RETURN)
        self.opens_over(window, "the summary")
        self.check_window("Summary")
        self.key_back_to(KEY_RETURN, window, "Enter closes the summary")
        self.key_back_to(KEY_ESCAPE, menu, "Escape closes the configuration window")

    def main_menu(self):
        self.check_window("Main menu")
        self.ethernet()
        self.wlan()
        self.configuration()
        press(KEY_ESCAPE)
        try:
            self.process.wait(WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            fail("Main menu", "Escape does not end the program")

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(WAIT_SECONDS)


def main():
    program, table = sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else ""
    os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    walk = Walk(program, table)
    try:
        walk.main_menu()
    finally:
        walk.close()
    print(f"{len(failures)} failures", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
