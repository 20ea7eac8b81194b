#pragma once
// The beginner's guide pane of the shop and the program editor: a framed text that goes away
// when clicked. Clicks on the frame and on the text reach the click watcher's event filter.

class QFrame;
class QLabel;
class QObject;
class QWidget;

namespace velko::ui {

struct GuidePane {
  QFrame* pane;  // "paneGuide"
  QLabel* text;  // "dspGuide", word-wrapped from the top left
};

GuidePane makeGuidePane(QWidget* parent, QObject* clickWatcher);

}  // namespace velko::ui
