#include "ui/widgets/guide_pane.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace velko::ui {

QFrame* makeGuidePane(QWidget* parent, QObject* clickWatcher, QLabel*& text) {
  auto* pane = new QFrame(parent);
  pane->setObjectName("paneGuide");
  pane->setCursor(Qt::PointingHandCursor);
  pane->installEventFilter(clickWatcher);
  auto* inside = new QVBoxLayout(pane);
  inside->setContentsMargins(12, 8, 12, 8);
  text = new QLabel(pane);
  text->setObjectName("dspGuide");
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text->installEventFilter(clickWatcher);
  inside->addWidget(text);
  return pane;
}

}  // namespace velko::ui
