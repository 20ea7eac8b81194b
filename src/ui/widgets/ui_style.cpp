#include "ui/widgets/ui_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace velko::ui {

void applyGameStyle(QApplication& app) {
  app.setStyle(QStyleFactory::create("Fusion"));
  QFont font("Noto Sans CJK JP", 10);
  font.setStyleHint(QFont::SansSerif);
  app.setFont(font);
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(232, 234, 238));
  palette.setColor(QPalette::Base, QColor(252, 252, 253));
  palette.setColor(QPalette::AlternateBase, QColor(240, 242, 246));
  palette.setColor(QPalette::Button, QColor(222, 225, 231));
  palette.setColor(QPalette::Highlight, QColor(176, 40, 40));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, QColor(255, 252, 230));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  app.setPalette(palette);
}

QString titleButtonStyle() {
  return "QPushButton { color: white; font-size: 15pt; font-weight: bold;"
         " background: rgba(140, 24, 24, 210); border: 2px solid rgba(255, 200, 120, 160);"
         " border-radius: 6px; }"
         "QPushButton:hover { background: rgba(190, 40, 36, 230); }"
         "QPushButton:pressed { background: rgba(100, 16, 16, 230); }"
         // The keyboard's button: a bright frame, seen over the dark arena.
         "QPushButton:focus { border: 3px solid #ffd75e; background: rgba(170, 34, 30, 230); }";
}

QString focusFrameStyle() {
  return "QAbstractItemView:focus { border: 2px solid #2f7de1; }";
}

QString panelStyle() {
  return focusFrameStyle() +
         "QGroupBox { font-weight: bold; border: 1px solid #9aa1ad; border-radius: 5px;"
         " margin-top: 10px; background: #f4f5f8; }"
         "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 4px;"
         " color: #7a1c1c; }";
}

QString dialogStyle() {
  return "QDialog { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1f2738,"
         " stop:1 #121826); border-top: 3px solid #c0392b; }"
         "QLabel { color: #eef2f8; background: transparent; }"
         "QPushButton { background: #2c3548; color: #e6ecf5; border: 1px solid #4a5873;"
         " border-radius: 4px; padding: 2px 10px; min-height: 20px; }"
         "QPushButton:hover { background: #36425a; }"
         "QPushButton:pressed { background: #1d2433; }"
         "QPushButton:default, QPushButton:focus { border: 1px solid #e0a040; }";
}

QString guideStyle() {
  return "QLabel { background: #fff8d8; color: #302010; border: 1px solid #c8a850;"
         " border-radius: 4px; padding: 6px; }";
}

}  // namespace velko::ui
