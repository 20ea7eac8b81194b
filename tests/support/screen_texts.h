#pragma once
// What a player reads on a window, checked as a player would: a text cut off by its widget,
// and, in the English game, a text left in Japanese. Names the player typed are theirs and
// exempt from both: they stay as typed, and one too long for its label may end in "…" with
// the whole name as tooltip.

#include <QString>
#include <QStringList>

class QWidget;

namespace velko::testing {

// Whether the text holds a Japanese character once the names are taken out of it.
bool hasJapanese(QString text, const QStringList& names);

// One line per text of `root` or its visible children that the player cannot read whole:
// labels (word-wrapped ones by their height), buttons, check boxes, group-box titles, tabs,
// header sections and combo boxes, and widgets reaching out of the ones they sit in. A text
// ended with "…" counts unless it is one of the names.
QStringList clippedTexts(const QWidget& root, const QStringList& names);

// One line per text of `root` or its visible children holding Japanese outside the names:
// the window title, labels, buttons, titles, tabs, combo-box entries, the items and headers
// of lists, tables and trees, text views, the fight's narration, menus, placeholders and
// tooltips.
QStringList japaneseTexts(const QWidget& root, const QStringList& names);

}  // namespace velko::testing
