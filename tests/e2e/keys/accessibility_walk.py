"""The game as a screen reader meets it: the title, the new player, the shop, the workshop,
the program editor and a tournament's bracket, fight and dialogs, each reached by keys and
read through the accessibility bus. Fails on any showing control, picture, table or text
without a name. Every tree is written to <shots>/<lang>/tree-<screen>.txt."""

import os
import re
import sys

from desk import Failure, describe, dump, log, main, unnamed
from route import Route


def walk_game(desk):
    problems = []

    def on_screen(screen, window):
        lines = dump(window)
        slug = re.sub(r"[^A-Za-z0-9]+", "-", screen).strip("-") or "window"
        with open(os.path.join(desk.shots, "tree-%s.txt" % slug), "a") as out:
            out.write("\n".join(lines) + "\n\n")
        missing = unnamed(window)
        log("%s: %d objects, %d without a name" % (screen, len(lines), len(missing)))
        for node in missing:
            problems.append("%s: %s" % (screen, describe(node)))

    route = Route(desk, on_screen)
    route.run_to_first_fight()
    route.tournament()
    if problems:
        raise Failure("%d objects without a name:\n  %s" % (len(problems),
                                                              "\n  ".join(problems)))


if __name__ == "__main__":
    sys.exit(main(walk_game))
