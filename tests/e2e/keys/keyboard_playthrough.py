"""A new player's first Novice tournament with the keyboard alone: xdotool key events into the
real game under a virtual X server, from the title to the workshop after the last bout, in the
language given (--lang ja or en). Screenshots go to <shots>/<lang>/."""

import sys

from desk import Failure, log, main
from route import Route


def play(desk):
    route = Route(desk)
    route.run_to_first_fight()
    seen = route.tournament()
    if not any(kind.startswith("dialog") for kind in seen):
        raise Failure("the tournament showed no bracket or fight: %s" % sorted(seen))
    desk.screenshot("after-tournament")
    log("windows met in the tournament: %s" % sorted(seen))


if __name__ == "__main__":
    sys.exit(main(play))
