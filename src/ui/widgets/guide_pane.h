#pragma once
// The beginner's guide pane of the shop and the program editor: a framed text that goes away
// when clicked. Clicks on the frame and on the text reach the click watcher's event filter.

class QFrame;
class QLabel;
class QObject;
class QWidget;

namespace velko::ui {

// The pane ("paneGuide"); `text` receives its label ("dspGuide", word-wrapped from the top
// left).
QFrame* makeGuidePane(QWidget* parent, QObject* clickWatcher, QLabel*& text);

}  // namespace velko::ui
