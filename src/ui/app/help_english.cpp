// The help page in English: the same page as the Japanese one, section for section.

#include "model/name_limit.h"
#include "ui/app/help_window.h"

namespace velko::ui {

QString helpHtmlEnglish() {
  return QString(R"html(
<h2>How to play</h2>
<p>You are a Doll pilot. Assemble parts in the workshop, program moves, fight and sharpen your skill.</p>

<h3>The calendar and the end</h3>
<ul>
<li>The game starts on 2013/01/01 and ends 24 months later, on 2015/01/01.</li>
<li>Entering a tournament or choosing "Work a month" (daily work) passes one month. Simulation, duels, shopping, programming and saving do not move the date.</li>
<li>When the last month ends, the final record (wins, losses and championships) is shown and the game returns to the title screen. Nothing is saved by itself: save at every milestone.</li>
</ul>

<h3>Action points and initiative</h3>
<ul>
<li>Each press of "Next" moves the fight on by one step.</li>
<li>Each turn starts with an initiative check: the higher die roll moves first. On equal rolls the check is made again.</li>
<li>The side that acts gets action points (two dice plus the Doll's action). Action is the computer's CPU plus the piloting skill divided by 5.</li>
<li>Only moves that need no more than the action points can be chosen; on the move screen they have a white background. Points left over are not carried on.</li>
</ul>

<h3>Distance and holds</h3>
<ul>
<li>Punches, kicks and grapples reach only at distance 0. "Move" closes in or backs off.</li>
<li>Moving (closing in), jumping and spinning add power to the strike or throw that follows. The higher the ability divided by the weight, the larger the effect.</li>
<li>A successful grapple holds the opponent: every attack after it hits.</li>
<li>Throws and locks (joint locks) work only while holding. A throw damages both motor and frame and knocks the opponent down. A lock damages the frame whatever the armour.</li>
<li>The held side breaks free with "Escape", a test of strength.</li>
<li>"Guard" blocks strikes until your next action. "Breakfall" lessens the damage once before your next action.</li>
</ul>

<h3>Going down</h3>
<ul>
<li>A Doll that is down cannot move or jump, and cannot land a telling blow.</li>
<li>Spinning while down gets the Doll up; spinning while standing takes it down. When locked together, the opponent goes down or gets up too.</li>
</ul>

<h3>Classes</h3>
<ul>
<li>The Doll's value (the prices of its parts together) sets its class: up to 2500 is Novice, up to 3500 Expert, above that Master.</li>
<li>A tournament is a knockout of 8 Dolls of the same class: three wins make the champion.</li>
<li>Winning tournament fights brings experience and prize money. The higher the opponent's value, the higher the prize.</li>
<li>Entering a tournament turns every part you own into a used part, which sells for half.</li>
</ul>

<h3>Repairs and broken parts</h3>
<ul>
<li>Damage taken in a tournament is repaired after the fight. A repair costs 100Rl for the motor and for the frame, plus 10Rl for every 7 HP lost.</li>
<li>Without enough money, only what you can pay for is repaired. After a tournament your money is gone; after daily work 100Rl is left.</li>
<li>A motor or frame at 0 HP breaks and leaves both your parts and the Doll. Buy it again in the shop.</li>
<li>Simulations and duels leave no damage and do not change the record.</li>
<li>"Work a month" brings extra income and repairs the Doll; no part breaks then.</li>
</ul>

<h3>Fight reviews and the practice lab</h3>
<ul>
<li>Every fight is recorded, and the newest 100 are kept. "Review the previous fight" and "Recorded fights" in the Duel menu go through them step by step (← → one step, Home and End the first and last). Each step shows both Dolls' state, the dice rolled and the moves chosen.</li>
<li>The "Practice lab" in the Duel menu lets your Doll as it is fight a registered Doll, a whole class or a loaded opponent 100 to 10000 times, to study win rates and the damage of each move. Money, date, damage, record and save files do not change.</li>
</ul>

<h3>Workshop tools</h3>
<ul>
<li>Choosing a part in the shop (pointing at it) shows how the Doll's abilities change with it mounted, and says so when the class goes up.</li>
<li>On the program screen, "Undo" (Ctrl+Z) and "Redo" (Ctrl+Y) take changes back. Right-click a pattern row to copy it to another row. With the keyboard, choose a move chip, place it with the arrow keys, put it with Enter and remove it with Delete.</li>
<li>"Export Doll" in the File menu writes your Doll to a file to give to a friend. "Import Doll (opponent)" makes a received file your opponent.</li>
</ul>

<h3>Names</h3>
<ul>
<li>Pilot and Doll names are at most %1 characters.</li>
</ul>

<h3>Keys</h3>
<ul>
<li>F1: this page  Ctrl+S: save  Ctrl+O: load  Ctrl+Q: exit  Alt + underlined letter: menus</li>
<li>In a fight: Enter or Space for "Next", Esc to give up</li>
<li>Save and load screen: digit keys for the number, Backspace removes one, Enter confirms, Esc goes back</li>
<li>Esc closes the shop, the program screen, this page and others.</li>
</ul>
)html")
      .arg(kNameMaxChars);
}

}  // namespace velko::ui
