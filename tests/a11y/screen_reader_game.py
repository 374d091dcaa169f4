#!/usr/bin/python3
"""A whole game against the computer, played as a screen reader user plays it: through AT-SPI
alone, never looking at pixels.

    screen_reader_game.py PROGRAM

Starts PROGRAM (the game) and finds its window on the accessibility bus. Opens the ゲーム menu by
its action, chooses 対局（コンピュータ） by its key (P) and presses the dialog's OK by its
action, keeping Sente and the weakest level, then plays Sente: the board's cells are found by
their names ("５五 先手 犬"), the keyboard cursor is moved with the arrow keys until the focused
cell is the one wanted, and Enter picks up and drops (every third move, and any move the
keyboard cannot reach the board for, by the cells' press actions instead: Xvfb has no window
manager, and now and then the window never gets the keyboard back after a box closes). Every
move, the player's and the computer's, must be announced in the record's notation; the
player's must be the move made, and the computer's must be what the cells then say. Boxes are
read and closed by their OK button. The game ends with "あなたの勝ちです" or "あなたの負けです";
each hand's slots, read one by one, must then agree with the hand's count, and the program, quit
from its menu, must end by itself.

Prints what it hears (and every event it gets, with TORVANE_A11Y_TRACE=1). Exits 0 when the game
was played to its end, 1 on a failure.
"""

import os
import random
import subprocess
import sys

import pyatspi
from gi.repository import GLib

FILES = "１２３４５６７８９"
NO_PREY = len(FILES)  # a distance farther than any two cells of the board are apart
RANKS = "一二三四五六七八九"
KINDS = ["鼠", "犬", "狼", "豹", "鰐", "熊", "虎", "獅子", "象"]  # weakest first
WAIT = 30.0  # seconds for anything the program does; the computer moves within a few
TRACE = os.environ.get("TORVANE_A11Y_TRACE") == "1"


class Failure(Exception):
    pass


class Listener:
    """Collects the events a screen reader listens to, as they arrive."""

    def __init__(self, pid):
        self.pid = pid
        self.events = []
        pyatspi.Registry.registerEventListener(
            self.on_event, "object:state-changed:focused", "object:state-changed:showing",
            "object:state-changed:selected")

    def on_event(self, event):
        try:
            if event.source.get_process_id() != self.pid or not event.detail1:
                return
            self.events.append((event.type, event.source))
            if TRACE:
                print("event", event.type, event.source.name, flush=True)
        except GLib.GError:
            pass  # gone before it could be read

    def pump(self, until, what, seconds=WAIT):
        """Handles the bus's messages as they come until `until()` is true, or fails after
        `seconds`."""
        timed_out = []
        timer = GLib.timeout_add(int(seconds * 1000), lambda: timed_out.append(True))
        # Some answers are asked of the program rather than told by an event: asked again at
        # least ten times a second.
        tick = GLib.timeout_add(100, lambda: True)
        context = GLib.MainContext.default()
        try:
            while not until():
                if timed_out:
                    raise Failure("timed out waiting for " + what)
                context.iteration(True)
        finally:
            GLib.source_remove(tick)
            if not timed_out:
                GLib.source_remove(timer)

    def take(self, kind):
        """The sources of the events of `kind` since the last take, oldest first."""
        taken = [source for (type_, source) in self.events if type_.endswith(kind)]
        self.events = [e for e in self.events if not e[0].endswith(kind)]
        return taken


def role(accessible):
    """The role of an object the program may have deleted since its event (a closed box's)."""
    try:
        return accessible.getRole()
    except GLib.GError:
        return None


def find(root, predicate, depth=0):
    if predicate(root):
        return root
    if depth > 12:
        return None
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is None:
            continue
        found = find(child, predicate, depth + 1)
        if found is not None:
            return found
    return None


def key(keysym):
    if TRACE:
        print("key", hex(keysym), flush=True)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def parse_cell(name):
    """"５五 先手 犬" -> (file 5, rank 5, side, kind); side and kind None for an empty cell."""
    parts = name.split(" ")
    file_, rank = FILES.index(parts[0][0]) + 1, RANKS.index(parts[0][1]) + 1
    if parts[1] == "空き":
        return file_, rank, None, None
    return file_, rank, parts[1], parts[2]


class Player:
    def __init__(self, program):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([program], env=env)
        self.listener = Listener(self.process.pid)
        self.app = None
        self.frame = None
        self.listener.pump(self.find_window, "the main window on the accessibility bus")
        self.board = None
        self.focus = None  # the cell last focused
        self.heard = []  # the announcements, in order
        self.news = []  # those not yet waited for
        self.keyed = 0  # the cells chosen by the keyboard

    def find_window(self):
        """The program's main window, once it shows (after the splash)."""
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None or app.get_process_id() != self.process.pid:
                continue
            self.app = app
            app.clearCache()
            for k in range(app.childCount):
                try:
                    w = app.getChildAtIndex(k)
                    if w is not None and w.getRole() == pyatspi.ROLE_FRAME and w.getState(
                    ).contains(pyatspi.STATE_SHOWING) and find(w, lambda a: a.name == "盤"):
                        self.frame = w
                        return True
                except GLib.GError:
                    continue  # the splash, closed while it was being asked about
        return False

    # --- the game's dialogs and boxes ---------------------------------------------------------

    def window(self, wanted):
        """A window of role `wanted` the program shows. Asked of the program itself, not of what was
        read before: a box opens right after the announcement that comes before it."""
        self.app.clearCache()
        for i in range(self.app.childCount):
            try:
                w = self.app.getChildAtIndex(i)
                if w is not None and w.getRole() == wanted and w.getState().contains(
                        pyatspi.STATE_SHOWING):
                    return w
            except GLib.GError:
                continue  # a box that closed while it was being asked about
        return None

    def press_button(self, window, name):
        button = find(window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                      a.name == name)
        if button is None:
            raise Failure("no button " + name)
        do_action(button, "Press")

    def read_box(self):
        """The text of an open message box, closed by its OK button; None when none is open."""
        box = self.window(pyatspi.ROLE_ALERT) or self.window(pyatspi.ROLE_DIALOG)
        if box is None:
            return None
        label = find(box, lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name)
        text = label.name if label else ""
        print("box:", text, flush=True)
        self.press_button(box, "OK")
        self.listener.pump(lambda: self.window(pyatspi.ROLE_ALERT) is None, "the box to close")
        return text

    def start_computer_game(self):
        """ゲーム → 対局（コンピュータ）: the menu opened by its action, the item chosen by its
        key, Sente kept and OK pressed by its action."""
        menu = find(self.frame, lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and
                    a.name == "ゲーム(G)")
        do_action(menu, "ShowMenu")
        self.listener.pump(lambda: any(role(s) == pyatspi.ROLE_POPUP_MENU
                                       for s in self.listener.take("showing")), "the game menu")
        key(ord("p"))
        self.listener.pump(lambda: self.window(pyatspi.ROLE_DIALOG) is not None,
                           "the computer game's dialog")
        dialog = self.window(pyatspi.ROLE_DIALOG)
        sente = find(dialog, lambda a: a.getRole() == pyatspi.ROLE_RADIO_BUTTON and
                     a.name == "先手")
        if not sente.getState().contains(pyatspi.STATE_CHECKED):
            raise Failure("the dialog does not offer Sente first")
        self.press_button(dialog, "OK")
        self.listener.pump(lambda: self.window(pyatspi.ROLE_DIALOG) is None, "the dialog to close")

    def check_hands(self):
        """Each hand's slots, read one by one ("先手の持ち駒 3 犬"), agree with its count read in
        words ("先手の持ち駒 虎2枚 犬3枚", strongest first, or "… なし")."""
        for side in ("先手", "後手"):
            name = side + "の持ち駒"
            hand = find(self.frame, lambda a: role(a) == pyatspi.ROLE_LIST and a.name == name)
            if hand is None or hand.childCount != 18:
                raise Failure("no hand of 18 slots named " + name)
            held = {}
            for i in range(18):
                slot = hand.getChildAtIndex(i)
                words = slot.name.split(" ")
                if role(slot) != pyatspi.ROLE_LIST_ITEM or words[:2] != [name, str(i + 1)]:
                    raise Failure("a slot of %s is %s" % (name, slot.name))
                if words[2] != "空き":
                    held[words[2]] = held.get(words[2], 0) + 1
            kinds = sorted(held, key=KINDS.index, reverse=True)
            expected = " ".join("%s%d枚" % (k, held[k]) for k in kinds) or "なし"
            count = find(self.frame, lambda a: role(a) == pyatspi.ROLE_LABEL and
                         a.name.startswith(name + " "))
            if count is None or count.name != name + " " + expected:
                raise Failure("the count of %s says %s, its slots %s" % (
                    name, count.name if count else None, expected))
            print("count:", count.name, flush=True)

    def quit(self):
        """ゲーム → ｱﾌﾟﾘｹｰｼｮﾝの終了 by its key (X), answered はい: the program must end by itself,
        with every accessible object it made gone cleanly."""
        menu = find(self.frame, lambda a: role(a) == pyatspi.ROLE_MENU_ITEM and
                    a.name == "ゲーム(G)")
        do_action(menu, "ShowMenu")
        self.listener.pump(lambda: any(role(s) == pyatspi.ROLE_POPUP_MENU
                                       for s in self.listener.take("showing")), "the game menu")
        key(ord("x"))
        self.listener.pump(lambda: self.window(pyatspi.ROLE_ALERT) is not None or
                           self.window(pyatspi.ROLE_DIALOG) is not None, "終了しますか?")
        box = self.window(pyatspi.ROLE_ALERT) or self.window(pyatspi.ROLE_DIALOG)
        yes = find(box, lambda a: role(a) == pyatspi.ROLE_PUSH_BUTTON and
                   a.name.startswith("はい"))
        if yes is None:
            raise Failure("no はい in the box that asks before quitting")
        do_action(yes, "Press")
        try:
            code = self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after はい")
        if code != 0:
            raise Failure("the program ended with %d" % code)

    # --- the board ------------------------------------------------------------------------------

    def cells(self):
        """Every cell by its file and rank: (name, side, kind)."""
        if self.board is None:
            self.board = find(self.frame, lambda a: a.name == "盤" and a.childCount == 81)
            if self.board is None:
                raise Failure("no board of 81 cells")
        result = {}
        for i in range(81):
            cell = self.board.getChildAtIndex(i)
            if cell.getRole() != pyatspi.ROLE_TABLE_CELL:
                raise Failure("a cell's role is " + cell.getRoleName())
            file_, rank, side, kind = parse_cell(cell.name)
            result[(file_, rank)] = (cell, side, kind)
        return result

    def focused_cell(self):
        cells = self.listener.take("focused")
        cells = [c for c in cells if role(c) == pyatspi.ROLE_TABLE_CELL]
        return cells[-1] if cells else None

    def go_to(self, target):
        """Arrow keys until the focused cell is `target` (file, rank); the first key shows the
        cursor. False when no cell takes the keyboard's focus."""
        self.remember_focus()
        tries = 3
        while self.focus is None:
            # Xvfb has no window manager to hand the keyboard back to the window when a box
            # closes: a key pressed before then is lost, so it is pressed again.
            key(0xff54)  # Down
            tries -= 1
            try:
                self.listener.pump(self.remember_focus, "the cursor's cell to be focused", 1.0)
            except Failure:
                if tries == 0:
                    return False
        while parse_cell(self.focus.name)[:2] != target:
            file_, rank = parse_cell(self.focus.name)[:2]
            if rank != target[1]:
                key(0xff54 if rank < target[1] else 0xff52)  # Down / Up
            else:
                key(0xff51 if file_ < target[0] else 0xff53)  # Left / Right: file 9 is left
            try:
                self.listener.pump(self.remember_focus, "the next cell to be focused", 3.0)
            except Failure:
                self.focus = None  # the keyboard went elsewhere: looked for again next time
                return False
        return True

    def remember_focus(self):
        focus = self.focused_cell()
        if focus is not None:
            self.focus = focus
            return True
        return False

    def listen(self):
        """Moves the announcements heard since the last time to the queue of news."""
        news = [s.name for s in self.listener.take("showing")
                if role(s) == pyatspi.ROLE_NOTIFICATION]
        for n in news:
            print("heard:", n, flush=True)
        self.heard += news
        self.news += news

    def choose_move(self):
        """A capture the rules allow, the strongest victim first; else a step onto an empty
        cell that brings a piece nearest to an enemy piece it may take (any of the nearest), so
        that a thinned-out end game is hunted down rather than wandered through."""
        cells = self.cells()
        captures, steps = [], []
        for (file_, rank), (_, side, kind) in cells.items():
            if side != "先手":
                continue
            for df in (-1, 0, 1):
                for dr in (-1, 0, 1):
                    to = (file_ + df, rank + dr)
                    if (df, dr) == (0, 0) or to not in cells:
                        continue
                    _, to_side, to_kind = cells[to]
                    if to_side is None:
                        steps.append(((file_, rank), to, kind, None))
                    elif to_side == "後手" and may_take(kind, to_kind):
                        captures.append(((file_, rank), to, kind, to_kind))
        if captures:
            return max(captures, key=lambda m: KINDS.index(m[3]))
        prey = [(square, kind) for square, (_, side, kind) in cells.items() if side == "後手"]

        def distance(step):
            _, to, kind, _ = step
            return min((max(abs(to[0] - p[0]), abs(to[1] - p[1]))
                        for p, k in prey if may_take(kind, k)), default=NO_PREY)

        nearest = min(map(distance, steps))
        return random.choice([step for step in steps if distance(step) == nearest])

    def play_move(self, by_action):
        """A move by the arrow keys and Enter, or by the cells' press actions; returns it in the
        record's notation."""
        origin, target, kind, _ = self.choose_move()
        self.select(origin, by_action)
        self.listener.pump(lambda: any(
            role(s) == pyatspi.ROLE_TABLE_CELL for s in self.listener.take("selected")),
            "the picked-up cell to be selected")
        self.select(target, by_action)
        return "▲%s%s%s(%d%d)" % (FILES[target[0] - 1], RANKS[target[1] - 1], kind, origin[0],
                                  origin[1])

    def select(self, square, by_action):
        """The cell chosen by the keyboard, or by its press action when asked to or when the
        keyboard has not reached the board (counted, and told at the end)."""
        if not by_action and self.go_to(square):
            key(0xff0d)  # Return
            self.keyed += 1
        else:
            do_action(self.cells()[square][0], "Press")

    def wait_for_move(self, mark):
        """The next announcement of a move by `mark` (▲ or △), closing boxes on the way; the
        text of a box that ends the game instead."""
        found = []

        def arrived():
            self.listen()
            if self.news:
                news = self.news.pop(0)
                if not news.startswith(mark):
                    raise Failure("expected a move of %s, heard %s" % (mark, news))
                found.append(news)
                return True
            text = self.read_box()
            if text in ("あなたの勝ちです", "あなたの負けです"):
                found.append(text)
            return bool(found)

        self.listener.pump(arrived, "a move of " + mark)
        return found[0]

    def check_computer_move(self, news):
        """The cells say what the computer's announced move did: its target holds its piece."""
        square, kind = news[1:3], news[3:].split("(")[0].removesuffix("打")
        cell = self.cells()[(FILES.index(square[0]) + 1, RANKS.index(square[1]) + 1)]
        if (cell[1], cell[2]) != ("後手", kind):
            raise Failure("after %s the cell says %s" % (news, cell[0].name))

    def play(self):
        self.start_computer_game()
        ends = ("あなたの勝ちです", "あなたの負けです")
        for ply in range(200):
            while self.read_box() is not None:  # "先手の番です", "象手です"
                pass
            expected = self.play_move(by_action=ply % 3 == 2)
            news = self.wait_for_move("▲")
            if news in ends:
                return news
            if news != expected:
                raise Failure("made %s but heard %s" % (expected, news))
            news = self.wait_for_move("△")
            if news in ends:
                return news
            self.check_computer_move(news)
            # The end may come with the computer's move: its box follows the announcement.
            text = self.read_box()
            if text in ends:
                return text
        raise Failure("no end within 200 moves")


def do_action(accessible, name):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            action.doAction(i)
            return
    raise Failure("%s has no action %s" % (accessible.name, name))


def may_take(mover, target):
    if mover == "象" and target == "鼠":
        return False
    if mover == "鼠" and target == "象":
        return True
    return KINDS.index(mover) >= KINDS.index(target)


def main():
    random.seed(5)
    player = Player(sys.argv[1])
    try:
        result = player.play()
        print("the game ended:", result, "after", len(player.heard), "announced moves,",
              player.keyed, "cells chosen by keys", flush=True)
        player.check_hands()
        player.quit()
        return 0
    except Failure as failure:
        print("FAILED:", failure, flush=True)
        return 1
    finally:
        if player.process.poll() is None:
            player.process.kill()
            player.process.wait()


if __name__ == "__main__":
    sys.exit(main())
