#pragma once
// A label that says when it is clicked (the guide panes close on a click).

#include <QLabel>
#include <QMouseEvent>

namespace velko::ui {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
  }
};

}  // namespace velko::ui
