#pragma once
// What every part of the playthrough shares: numbered screenshots of the whole screen, a
// description of the windows on screen, and failing with both instead of hanging.

#include <QString>
#include <QStringList>

class QWidget;

namespace e2e {

// Screenshots go to <artifacts>/e2e/NN-name.png (e2e-en/ in English), numbered in the order
// they were taken.
QString takeScreenshot(const QString& name);
QString screenshotFolder();

// Every screenshot fails the run when a visible text does not fit its widget, or, once English
// is expected, holds a Japanese character; the names the player typed are exempt from both.
void expectEnglishScreens();
void setTypedNames(const QStringList& names);

// The fixed words of a game text in the language being played: the longest piece of its
// translation between the arguments, for finding it in a message.
QString said(const char* text);

const QStringList& screenshotsTaken();

// Class, title and the visible texts of a window, one line.
QString describeWindow(const QWidget* window);
// Every visible top-level window, the active modal one first.
QString describeScreen();

// The last messages the game showed, kept for the failure report.
void noteMessage(const QString& text);
const QStringList& messagesSeen();

// Prints why, the windows on screen and the last messages, saves a screenshot and ends the
// run with exit code 1. Usable from inside any nested dialog loop.
[[noreturn]] void fail(const QString& why);

// Fails with `why` unless `condition` holds.
void check(bool condition, const QString& why);

// Seconds since the run started.
double elapsedSeconds();

}  // namespace e2e
