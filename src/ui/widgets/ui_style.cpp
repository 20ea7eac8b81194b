#include "ui/widgets/ui_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace velko::ui {

namespace {

// Every window and box of the game shares one dark look, the title's and the fight's: the
// controls the screens do not style themselves take it from here. Buttons keep room around
// their captions, whatever the language.
const char* const kGameSheet =
    "QPushButton { background: #2c3548; color: #e6ecf5; border: 1px solid #4a5873;"
    " border-radius: 4px; padding: 4px 12px; }"
    "QPushButton:hover { background: #36425a; }"
    "QPushButton:pressed, QPushButton:checked { background: #1d2433; }"
    "QPushButton:disabled { color: #6a7488; border-color: #343d50; }"
    "QPushButton:default, QPushButton:focus { border: 1px solid #e0a040; }"
    "QScrollBar:vertical { background: #121826; width: 14px; margin: 0; }"
    "QScrollBar:horizontal { background: #121826; height: 14px; margin: 0; }"
    "QScrollBar::handle { background: #3b4966; border-radius: 4px; }"
    "QScrollBar::handle:vertical { min-height: 24px; }"
    "QScrollBar::handle:horizontal { min-width: 24px; }"
    "QScrollBar::handle:hover { background: #4f607f; }"
    "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
    "QHeaderView::section { background: #222b3c; color: #dfe6f2; padding: 4px; border: 0;"
    " border-right: 1px solid #2d3a52; border-bottom: 1px solid #2d3a52; }"
    "QTableView { gridline-color: #2d3a52; }"
    // A box to tick shows on the dark ground: hollow when empty, filled when ticked.
    "QAbstractItemView::indicator, QCheckBox::indicator { width: 12px; height: 12px;"
    " border: 1px solid #a8b4cc; border-radius: 2px; background: #121826; }"
    "QAbstractItemView::indicator:checked, QCheckBox::indicator:checked {"
    " background: #ffb040; border: 1px solid #ffe0a8; }"
    "QToolTip { background: #2c3548; color: #eef2f8; border: 1px solid #4a5873; }";

QPalette darkPalette() {
  QPalette palette;
  const QColor text(230, 236, 245);
  palette.setColor(QPalette::Window, QColor(27, 34, 50));
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, QColor(18, 24, 38));
  palette.setColor(QPalette::AlternateBase, QColor(26, 33, 48));
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, QColor(44, 53, 72));
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::BrightText, Qt::white);
  palette.setColor(QPalette::Light, QColor(74, 88, 115));
  palette.setColor(QPalette::Midlight, QColor(59, 73, 102));
  palette.setColor(QPalette::Mid, QColor(45, 58, 82));
  palette.setColor(QPalette::Dark, QColor(13, 17, 25));
  palette.setColor(QPalette::Shadow, Qt::black);
  palette.setColor(QPalette::Highlight, QColor(176, 40, 40));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Link, QColor(143, 216, 255));
  palette.setColor(QPalette::PlaceholderText, QColor(143, 155, 179));
  palette.setColor(QPalette::ToolTipBase, QColor(44, 53, 72));
  palette.setColor(QPalette::ToolTipText, QColor(238, 242, 248));
  const QColor greyed(106, 116, 136);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, greyed);
  return palette;
}

}  // namespace

void applyGameStyle(QApplication& app) {
  app.setStyle(QStyleFactory::create("Fusion"));
  QFont font("Noto Sans CJK JP", 10);
  font.setStyleHint(QFont::SansSerif);
  app.setFont(font);
  app.setPalette(darkPalette());
  app.setStyleSheet(kGameSheet);
}

QString titleButtonStyle() {
  return "QPushButton { color: white; font-size: 15pt; font-weight: bold; padding: 0px;"
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
         "QGroupBox { font-weight: bold; border: 1px solid #3b4966; border-radius: 5px;"
         " margin-top: 10px; background: #1a2130; }"
         "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 4px;"
         " color: #ffb08f; }";
}

QString valueBoxStyle() {
  return "QLabel { background: #121826; color: #ffffff; border: 1px solid #3b4966;"
         " border-radius: 3px; padding: 1px 6px; font-weight: bold; }";
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
