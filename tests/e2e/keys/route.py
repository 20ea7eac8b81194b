"""A new player's way from the title to the end of a first Novice tournament, by keys alone:
the title, the new player, the shop (the stock table, arrows and Return), mounting parts in
the workshop (the owned-parts list, arrows and Return), programming in the editor (a palette
chip, arrows to the slot, Return) and the tournament (Return for every step and question).

Each step waits for the window it needs through the accessibility bus, never on a clock. The
accessibility walk takes the same route and reads every screen on the way (see on_screen).
"""

import time

from desk import (Failure, children, describe, has_button, list_items, log, name, role,
                  table_rows)

# Part kinds in the order of the shop's and the workshop's selectors.
MOTOR, FRAME, BOOSTER, PROTECTOR, COMPUTER = range(5)

# Action numbers of the program editor's palette, 1 移動 ... 11 外し.
MOVE, SPIN, PUNCH, KICK, BLOCK, UKE = 1, 3, 4, 5, 9, 10

TEXTS = {
    "ja": {
        "parts": {MOTOR: "ポニー", FRAME: "ダフネ", COMPUTER: "ベーシック", BOOSTER: "ジャイロ",
                  PROTECTOR: "レザーパッド"},
        "actions": {1: "移動", 2: "ジャンプ", 3: "回転", 4: "パンチ", 5: "キック", 6: "組み",
                    7: "投げ", 8: "折り", 9: "防御", 10: "受身", 11: "外し"},
        "close": "閉じる",
        "register": "登録",
        "next": "次へ",
    },
    "en": {
        "parts": {MOTOR: "Pony", FRAME: "Daphne", COMPUTER: "Basic", BOOSTER: "Gyro",
                  PROTECTOR: "Leather Pad"},
        "actions": {1: "Move", 2: "Jump", 3: "Spin", 4: "Punch", 5: "Kick", 6: "Grapple",
                    7: "Throw", 8: "Lock", 9: "Guard", 10: "Safe fall", 11: "Escape"},
        "close": "Close",
        "register": "Register",
        "next": "Next",
    },
}

# The first Doll: the cheapest parts that walk, get up and fight, bought in this order.
PURCHASES = [MOTOR, FRAME, COMPUTER, BOOSTER, PROTECTOR]
PATTERNS = [[MOVE, PUNCH], [MOVE, KICK], [SPIN], [BLOCK, UKE]]


def is_workshop(window):
    """The workshop: the game's one window with a menu bar."""
    if role(window) != "frame" or window.name != "VELKO":
        return False
    return any(role(child) == "menu bar" for child in children(window))


def is_title(window):
    return has_button(window, "Initial Start")


def is_named(title):
    return lambda window: window.name == title


def is_question(over):
    """A message or question placed over the window named over."""
    return lambda window: window.name != over and role(window) in ("dialog", "alert")


def answer_messages(desk, until, what, seconds=20):
    """Return for every message until the window until() wants is active and stays so (a
    message may come up over it as it opens, as the one that says no music can play)."""
    end = time.time() + seconds
    steady = 0
    while time.time() < end:
        window = desk.active_window()
        if window is not None and until(window):
            steady += 1
            if steady >= 5:
                return window
            time.sleep(0.1)
            continue
        steady = 0
        if window is not None and role(window) in ("dialog", "alert"):
            log("message: %s" % " | ".join(t for t in message_texts(window)))
            desk.key("Return")
            desk.wait("the message to close", lambda: desk.active_window() != window
                      and desk.active_window() is not None)
            continue
        time.sleep(0.1)
    raise Failure("waited %ds for %s; active: %s" % (seconds, what, desk.describe_active()))


def message_texts(window):
    from desk import walk
    return [name(node) for node, _ in walk(window) if role(node) == "label" and name(node)]


def choose(desk, control, wanted, what, items):
    """Arrows up or down a focused table or list until its current row is `wanted`."""
    for _ in range(60):
        now = current_row(control)
        if now == wanted:
            return
        desk.key("Down" if now is None or now < wanted else "Up")
    raise Failure("the arrows never reached %s (%s)" % (what, items))


def current_row(control):
    if role(control) == "table":
        rows = control.queryTable().getSelectedRows()
        return rows[0] if rows else None
    import pyatspi
    for index, item in enumerate(c for c in children(control) if role(c) == "list item"):
        if item.getState().contains(pyatspi.STATE_SELECTED):
            return index
    return None


class Route:
    def __init__(self, desk, on_screen=None):
        self.desk = desk
        self.texts = TEXTS[desk.lang]
        # Called with a short name once each screen stands; the accessibility walk reads it.
        self.on_screen = on_screen or (lambda name, window: None)

    def run_to_first_fight(self):
        self.title()
        self.new_player()
        self.shop()
        self.assemble()
        self.program()

    # --- the title and the new player ---

    def title(self):
        desk = self.desk
        window = desk.wait_window(is_title, "the title", 40)
        focus = desk.wait_focus(lambda f: role(f) == "push button", "a focused title button")
        if name(focus) != "Initial Start":
            raise Failure("the title opens with the focus on %s" % describe(focus))
        desk.screenshot("title")
        self.on_screen("title", window)
        # The arrows go round the buttons and come back.
        desk.key("Down")
        desk.wait_focus(lambda f: name(f) == "Load Start", "Load Start by Down")
        desk.key("Up")
        desk.wait_focus(lambda f: name(f) == "Initial Start", "Initial Start by Up")
        desk.key("Return")

    def new_player(self):
        desk = self.desk
        window = desk.wait_window(lambda w: has_button(w, "Entry"), "the new player")
        desk.screenshot("new-player")
        self.on_screen("new player", window)
        desk.key("Return")  # Entry is the default button

    # --- the shop ---

    def shop(self):
        desk = self.desk
        window = answer_messages(desk, is_named("Shop"), "the shop")
        desk.screenshot("shop")
        self.on_screen("shop", window)
        for kind in PURCHASES:
            self.buy(kind)
        desk.screenshot("shop-bought")
        desk.tab_to(lambda f: role(f) == "push button" and name(f) == self.texts["close"],
                    "the shop's Close")
        desk.key("Return")
        window = answer_messages(desk, is_workshop, "the workshop after the shop")
        desk.screenshot("workshop")
        self.on_screen("workshop", window)

    def buy(self, kind):
        desk = self.desk
        part = self.texts["parts"][kind]
        desk.tab_to(lambda f: role(f) == "combo box", "the shop's part kinds")
        desk.key("Home", *(["Down"] * kind))
        table = desk.tab_to(lambda f: role(f) == "table", "the stock table")
        rows = desk.wait("the stock of kind %d" % kind,
                         lambda: (lambda r: r if part in r else None)(table_rows(table)))
        choose(desk, table, rows.index(part), part, rows)
        desk.key("Return")
        question = desk.wait_window(is_question("Shop"), "the question to buy " + part)
        log("shop: %s" % " | ".join(message_texts(question)))
        desk.key("Return")
        answer_messages(desk, is_named("Shop"), "the shop after buying " + part)
        log("bought %s" % part)

    # --- the workshop ---

    def assemble(self):
        for kind in (MOTOR, FRAME, COMPUTER, BOOSTER, PROTECTOR):
            self.mount(kind)
        self.desk.screenshot("assembled")

    def mount(self, kind):
        desk = self.desk
        part = self.texts["parts"][kind]
        desk.tab_to(lambda f: role(f) == "combo box", "the workshop's part kinds")
        desk.key("Home", *(["Down"] * kind))
        listing = desk.tab_to(lambda f: role(f) == "list", "the owned parts")
        items = desk.wait("%s among the owned parts" % part, lambda: (
            lambda i: i if any(t.startswith(part) for t in i) else None)(list_items(listing)))
        wanted = next(i for i, t in enumerate(items) if t.startswith(part))
        choose(desk, listing, wanted, part, items)
        desk.key("Return")
        answer_messages(desk, is_workshop, "the workshop after mounting " + part)
        log("mounted %s" % part)

    # --- the program editor ---

    def program(self):
        desk = self.desk
        desk.key("alt+p")
        window = desk.wait_window(is_named("Program"), "the program editor")
        desk.screenshot("editor")
        self.on_screen("editor", window)
        actions = self.texts["actions"]
        chip = desk.tab_to(lambda f: name(f) == actions[MOVE], "the palette's first chip")
        at_chip = MOVE
        target = 0
        for pattern, plan in enumerate(PATTERNS):
            for slot, action in enumerate(plan):
                # To the chip: the palette's chips follow each other in the Tab order.
                step = "Tab" if action > at_chip else "shift+Tab"
                for _ in range(abs(action - at_chip)):
                    desk.key(step)
                at_chip = action
                desk.wait_focus(lambda f: name(f) == actions[action], "the chip " + actions[action])
                # To the slot: the arrows move the marked slot, a row is ten slots.
                wanted = pattern * 10 + slot
                rows = wanted // 10 - target // 10
                columns = wanted % 10 - target % 10
                keys = (["Down"] * rows if rows > 0 else ["Up"] * -rows) + (
                    ["Right"] * columns if columns > 0 else ["Left"] * -columns)
                if keys:
                    desk.key(*keys)
                desk.key("Return")
                target = wanted + 1
        desk.screenshot("programmed")
        register = desk.tab_to(lambda f: role(f) == "push button" and
                               name(f) == self.texts["register"], "登録")
        del register, chip
        desk.key("Return")
        answer_messages(desk, is_workshop, "the workshop after registering")
        log("programmed %d patterns" % len(PATTERNS))

    # --- the tournament ---

    def tournament(self, seconds=300):
        """Alt+T, then Return for every question, bracket, step, pattern and move until the
        workshop has the player again."""
        desk = self.desk
        desk.key("alt+t")
        end = time.time() + seconds
        presses = 0
        seen = set()
        steady = 0
        while time.time() < end:
            window = desk.active_window()
            if window is None:
                time.sleep(0.05)
                continue
            if is_workshop(window):
                steady += 1
                # The workshop stays on top for a moment: the last message has gone.
                if steady >= 15 and presses > 0:
                    log("tournament over after %d presses; windows: %s" % (presses, sorted(seen)))
                    return seen
                time.sleep(0.1)
                continue
            steady = 0
            # The bracket and the entry question share their title: told apart by their size.
            kind = "%s %s (%d)" % (role(window), window.name, window.childCount)
            if kind not in seen:
                seen.add(kind)
                desk.screenshot("tournament-%d" % len(seen))
                self.on_screen(kind, window)
            desk.key("Return")
            presses += 1
        raise Failure("the tournament did not end within %ds (%d presses); active: %s" %
                      (seconds, presses, desk.describe_active()))
