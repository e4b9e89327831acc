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
    """English text -> the language's, from a language table ("English = translation")."""
    texts = {}
    if not table:
        return texts
    with open(table, encoding="utf-8") as lines:
        for line in lines:
            english, equals, translated = line.rstrip("\n").partition(" = ")
            if equals and not english.startswith(("@", "#")):
                texts.setdefault(plain(english), plain(translated))
    return texts


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
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def active_window(self):
        for window in self.app:
            if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
                return window
        return None

    def window_named_like(self, probe):
        window = self.active_window()
        return window if window is not None and probe(window) else None

    def text(self, english):
        return self.texts.get(english, english)

    def press(self, keysym, modifiers=0):
        registry = pyatspi.Registry
        if modifiers:
            registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
        registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        if modifiers:
            registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)
        time.sleep(0.15)

    @staticmethod
    def descendants(root):
        """What the window shows, in order; hidden pages are passed over."""
        stack = [root]
        while stack:
            node = stack.pop()
            if node is not root and not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            yield node
            if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
                continue  # cells are named by their text and header
            stack.extend(child for child in reversed(list(node)) if child is not None)

    def focusable(self, window):
        return [node for node in self.descendants(window)
                if node.getState().contains(pyatspi.STATE_FOCUSABLE) and node.getRole() != pyatspi.ROLE_FRAME]

    def focused(self, window, candidates=None):
        """The innermost focused object: a button box and its button both say focused."""
        found = None
        for node in candidates if candidates is not None else self.focusable(window):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                found = node
        return found

    def tab_stops_offered(self, window):
        def offered(node):
            state = node.getState()
            return (node.getRole() in INTERACTIVE and node.getRole() != pyatspi.ROLE_PAGE_TAB and
                    state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_ENABLED))
        return sum(1 for node in self.descendants(window) if offered(node))

    @staticmethod
    def identity(node):
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (node.getRoleName(), node.name, extents.x, extents.y, extents.width, extents.height)

    @staticmethod
    def name_of(node):
        """What a screen reader reads: the name, else the label tied to the control (Qt names
        a combo box by its value and ties its label by a relation)."""
        if node.name.strip():
            return node.name
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
                return relation.getTarget(0).name
        return ""

    def describe(self, node):
        return f"{node.getRoleName()} \"{self.name_of(node)}\""

    def button(self, window, english):
        wanted = self.text(english)
        for node in self.descendants(window):
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and plain(node.name) == wanted:
                return node
        raise SystemExit(f"{window.name}: no button \"{wanted}\"")

    def click(self, window, english):
        action = self.button(window, english).queryAction()
        action.doAction(0)
        time.sleep(0.2)

    def check_names(self, window, label):
        for node in self.descendants(window):
            state = node.getState()
            if node.getRole() in INTERACTIVE and not self.name_of(node).strip():
                fail(label, f"unnamed {node.getRoleName()}")
            # A combo box is named by its value (data such as "PIN&PBC"), the rest by texts.
            if node.getRole() != pyatspi.ROLE_COMBO_BOX and re.search(r"&[^ ]", node.name or ""):
                fail(label, f"{self.describe(node)} reads an access-key mark")
        table = next((node for node in self.descendants(window) if node.getRole() == pyatspi.ROLE_TABLE), None)
        if table is not None:
            headers = table.queryTable()
            for column in range(headers.nColumns):
                if not headers.getColumnDescription(column):
                    fail(label, f"table \"{table.name}\" column {column} has no header")

    def check_tab_cycle(self, window, label):
        """Tab from the focus goes round every tab stop and back; so does Shift+Tab."""
        candidates = self.focusable(window)
        for modifiers, name in ((0, "Tab"), (SHIFT_MASK, "Shift+Tab")):
            start = self.focused(window, candidates)
            if start is None:
                fail(label, "nothing has the focus")
                return []
            seen = [start]
            for _ in range(MOST_TAB_STOPS):
                before = seen[-1]
                self.press(KEY_TAB, modifiers)
                now = self.focused(window, candidates)
                if now is None:
                    fail(label, f"{name} from {self.describe(before)} leaves the window")
                    return seen
                if self.identity(now) == self.identity(before) and self.tab_stops_offered(window) > 1:
                    fail(label, f"{name} does not leave {self.describe(now)}")
                    return seen
                if not self.name_of(now).strip():
                    fail(label, f"{name} reaches an unnamed {now.getRoleName()}")
                if any(self.identity(now) == self.identity(stop) for stop in seen):
                    break
                seen.append(now)
            else:
                fail(label, f"{name} never comes round again from {self.describe(start)}: a trap")
            if modifiers == 0:
                stops = seen
        print(f"{label}: {len(stops)} tab stops: " + ", ".join(self.describe(node) for node in stops), flush=True)
        return stops

    def check_window(self, label):
        window = self.wait_for(self.active_window, label)
        self.check_names(window, label)
        self.check_tab_cycle(window, label)
        return window

    def expect_new_window(self, before, what):
        return self.wait_for(lambda: self.window_named_like(lambda window: self.identity(window) != before), what)

    def expect_back(self, window, what):
        self.wait_for(lambda: self.window_named_like(lambda now: self.identity(now) == window), what)

    def wait_for_rows(self, window, label):
        """Until the window is on top again and its table lists something."""
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            active = self.active_window()
            if active is not None and self.identity(active) == self.identity(window):
                table = next(node for node in self.descendants(active) if node.getRole() == pyatspi.ROLE_TABLE)
                if table.queryTable().nRows > 0 and self.focused(active) is not None:
                    return
            time.sleep(0.2)
        fail(label, "the list stays empty")

    def device_list(self, english, label):
        menu = self.active_window()
        self.click(menu, english)
        window = self.expect_new_window(self.identity(menu), label)
        self.click(window, "Search")
        self.wait_for_rows(window, label)
        self.check_window(label)
        return window

    def ethernet(self):
        menu = self.active_window()
        devices = self.device_list("Ethernet Configuration", "Ethernet device list")
        table = next(node for node in self.descendants(devices) if node.getRole() == pyatspi.ROLE_TABLE)
        table.queryComponent().grabFocus()
        time.sleep(0.2)
        self.press(KEY_RETURN)
        self.expect_new_window(self.identity(devices), "Enter in the device list opens the printer's setting")
        self.check_window("Network setting")
        self.press(KEY_ESCAPE)
        self.expect_back(self.identity(devices), "Escape closes the network setting")
        self.press(KEY_ESCAPE)
        self.expect_back(self.identity(menu), "Escape closes the Ethernet device list")

    def wlan(self):
        menu = self.active_window()
        devices = self.device_list("WLAN Configuration", "WLAN device list")
        devices_identity = self.identity(devices)
        self.click(devices, "BSS Info")
        survey = self.expect_new_window(devices_identity, "the BSS information")
        self.expect_new_window(self.identity(survey), "the survey's message")
        self.check_window("Message box")
        self.press(KEY_RETURN)
        self.wait_for_rows(survey, "BSS information")
        self.check_window("BSS information")
        self.press(KEY_ESCAPE)
        self.expect_back(self.identity(devices), "Escape closes the BSS information")
        self.press(KEY_ESCAPE)
        self.expect_back(self.identity(menu), "Escape closes the WLAN device list")

    def settles_on(self, window, expected):
        deadline = time.monotonic() + 3
        while self.selected_tab(window) != expected:
            if time.monotonic() > deadline:
                return False
            time.sleep(0.1)
        return True

    def strip(self, window):
        return next(node for node in self.descendants(window) if node.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)

    def tabs(self, window):
        return [tab for tab in self.strip(window) if tab is not None and tab.getRole() == pyatspi.ROLE_PAGE_TAB]

    def selected_tab(self, window):
        """Qt marks the current tab as focused (also while the focus is on its page)."""
        states = [tab.getState() for tab in self.tabs(window)]
        return next(index for index, state in enumerate(states)
                    if state.contains(pyatspi.STATE_SELECTED) or state.contains(pyatspi.STATE_FOCUSED))

    def configuration(self):
        menu = self.active_window()
        self.click(menu, "Serial/USB Configuration")
        window = self.expect_new_window(self.identity(menu), "the configuration window")
        configuration = self.identity(window)
        self.click(window, "Connect")
        self.expect_new_window(configuration, "the connect message")
        self.press(KEY_RETURN)
        self.expect_back(configuration, "Enter closes the connect message")
        pages = len(self.tabs(window))
        for page in range(pages):
            label = f"configuration page {page + 1}"
            stops = self.check_window(label)
            inside = next((node for node in stops if node.getRole() not in
                           (pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_PUSH_BUTTON)), None)
            if inside is not None:
                inside.queryComponent().grabFocus()
                time.sleep(0.2)
            before = self.selected_tab(window)
            self.press(KEY_PAGE_DOWN if page % 2 else KEY_TAB, CONTROL_MASK)
            if not self.settles_on(window, (before + 1) % pages):
                fail(label, "Ctrl+Tab / Ctrl+PageDown does not go to the next page")
        # The keys back are keyboard.scn's, played at the same widgets. A page may put the
        # focus on its own control as it comes up: the strip takes it back.
        before = self.selected_tab(window)
        self.strip(window).queryComponent().grabFocus()
        time.sleep(0.2)
        self.press(KEY_RIGHT)
        if not self.settles_on(window, (before + 1) % pages):
            fail("configuration window", "Right on the tab strip does not go to the next page")
        self.click(window, "Update")
        self.expect_new_window(configuration, "the update message")
        self.press(KEY_RETURN)
        self.expect_new_window(configuration, "the summary")
        self.check_window("Summary")
        self.press(KEY_RETURN)
        self.expect_back(configuration, "Enter closes the summary")
        self.press(KEY_ESCAPE)
        self.expect_back(self.identity(menu), "Escape closes the configuration window")

    def main_menu(self):
        self.check_window("Main menu")
        self.ethernet()
        self.wlan()
        self.configuration()
        self.press(KEY_ESCAPE)
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
