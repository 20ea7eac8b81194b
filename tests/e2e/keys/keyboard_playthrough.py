"""A new player's first Novice tournament with the keyboard alone: xdotool key events into the
real game under a virtual X server, from the title to the workshop after the last bout, in the
language given (--lang ja or en). Screenshots go to <shots>/<lang>/."""

import re
import sys

from desk import Failure, log, main, texts
from route import Route


def workshop_date(desk):
    """The date the workshop shows, 2013/01/01 and the like."""
    for text in texts(desk.active_window()):
        if re.fullmatch(r"\d{4}/\d{2}/\d{2}", text.strip()):
            return text.strip()
    raise Failure("the workshop shows no date")


def play(desk):
    route = Route(desk)
    route.run_to_first_fight()
    before = workshop_date(desk)
    seen = route.tournament()
    if not any(kind.startswith("dialog TornamentFight") for kind in seen):
        raise Failure("the tournament showed no fight: %s" % sorted(seen))
    after = workshop_date(desk)
    if after == before:
        raise Failure("the calendar did not move on with the tournament: still %s" % before)
    log("tournament from %s to %s" % (before, after))
    desk.screenshot("after-tournament")
    log("windows met in the tournament: %s" % sorted(seen))


if __name__ == "__main__":
    sys.exit(main(play))
