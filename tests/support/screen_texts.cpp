#include "support/screen_texts.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <optional>

#include "ui/fight/narration_view.h"

namespace velko::testing {

namespace {

QString oneLine(QString text) {
  return text.replace('\n', " / ");
}

QString describe(const QWidget& widget, const QString& text, const QString& why) {
  return QString("%1 %2 \"%3\": %4")
      .arg(widget.metaObject()->className(), widget.objectName(), oneLine(text), why);
}

// The text as drawn: "&&" is an ampersand, a single "&" marks the mnemonic and is not drawn.
QString drawnText(QString text) {
  text.replace("&&", QChar(0x1));
  text.remove('&');
  return text.replace(QChar(0x1), '&');
}

// The widest line of the text and the height of all its lines.
QSize textSize(const QFontMetrics& metrics, const QString& text) {
  const QStringList lines = text.split('\n');
  int width = 0;
  for (const QString& line : lines)
    width = std::max(width, metrics.horizontalAdvance(line));
  return {width, static_cast<int>(lines.size()) * metrics.height()};
}

// What of the widget its parents leave to be seen, up to its window or the view it scrolls in.
QSize seenSize(const QWidget& widget) {
  QRect seen = widget.rect();
  const QWidget* child = &widget;
  for (const QWidget* up = widget.parentWidget(); up && !child->isWindow();
       child = up, up = up->parentWidget()) {
    if (const auto* view = qobject_cast<const QAbstractScrollArea*>(up->parentWidget());
        view && view->viewport() == up)
      break;
    seen &= QRect(-widget.mapTo(up, QPoint(0, 0)), up->size());
  }
  return seen.size();
}

// The blank strip at the foot of the text's last line that none of its letters reaches down
// into: the game's font keeps a deep descent, and a line is read whole without it (nor
// without the faint row of a descender's tip, which the letters' box rounds outwards).
int unusedDescent(const QFontMetrics& metrics, const QString& text) {
  const QString last = text.trimmed().section('\n', -1);
  const int lowest = std::max(0, metrics.tightBoundingRect(last).bottom());
  return std::max(0, metrics.descent() - lowest);
}

struct Need {
  QString text;
  QSize need;
  QSize room;
};

// The height of a label's padding: a line may reach into it and still be read whole; only
// the frame covers it.
int padding(const QLabel& label) {
  const QMargins margins = label.contentsMargins();
  return margins.top() + margins.bottom() + 2 * label.margin();
}

std::optional<Need> labelNeed(const QLabel& label) {
  if (label.text().isEmpty()) return std::nullopt;
  if (!label.wordWrap()) {
    const QSize hint = label.sizeHint();
    return Need{label.text(), {hint.width(), hint.height() - padding(label)}, label.size()};
  }
  // A word-wrapped label takes the height its text needs at its width, and no word may be
  // wider than the label.
  const int inside =
      label.contentsRect().width() - 2 * label.margin() - std::max(0, label.indent());
  int widest = inside;
  if (label.textFormat() == Qt::PlainText ||
      (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(label.text()))) {
    widest = label.fontMetrics()
                 .boundingRect(QRect(0, 0, inside, 100000), Qt::TextWordWrap, label.text())
                 .width();
  }
  // Empty lines at the end show nothing.
  qsizetype blank = 0;
  while (blank < label.text().size() && label.text()[label.text().size() - 1 - blank] == '\n')
    ++blank;
  const int height = label.heightForWidth(label.width()) - padding(label) -
                     static_cast<int>(blank) * label.fontMetrics().lineSpacing();
  return Need{label.text(), {label.width() + widest - inside, height}, label.size()};
}

int iconRoom(const QAbstractButton& button) {
  return button.icon().isNull() ? 0 : button.iconSize().width() + 4;
}

std::optional<Need> buttonNeed(const QAbstractButton& button) {
  const QString text = drawnText(button.text());
  if (text.isEmpty()) return std::nullopt;
  QSize need = textSize(button.fontMetrics(), text);
  need.rwidth() += iconRoom(button);
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox*>(&button)) contents = QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton*>(&button)) contents = QStyle::SE_RadioButtonContents;
  QSize room = button.size() - QSize(6, 0);
  if (!qobject_cast<const QToolButton*>(&button))
    room.setWidth(button.style()->subElementRect(contents, &option, &button).width());
  // What a frame or padding takes off the width is part of the width; the height is the
  // button's own, since its border may overlap the line's leading.
  return Need{button.text(), need, room};
}

std::optional<Need> groupBoxNeed(const QGroupBox& box) {
  if (box.title().isEmpty()) return std::nullopt;
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.lineWidth = 1;
  option.textAlignment = box.alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect title =
      box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
  // The game's style sheets draw every title bold where the style placed it for the box's
  // own font: a title wider in bold runs on to the right, and the box cuts it off there.
  QFont bold = box.font();
  bold.setBold(true);
  const int need = title.left() + QFontMetrics(bold).horizontalAdvance(drawnText(box.title()));
  return Need{box.title(), {need, 0}, {box.width(), 0}};
}

std::optional<Need> comboNeed(const QComboBox& combo) {
  if (combo.isEditable() || combo.currentText().isEmpty()) return std::nullopt;
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.currentText = combo.currentText();
  option.frame = combo.hasFrame();
  const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &combo);
  int need = combo.fontMetrics().horizontalAdvance(combo.currentText());
  if (!combo.itemIcon(combo.currentIndex()).isNull()) need += combo.iconSize().width() + 4;
  return Need{combo.currentText(), {need, 0}, {field.width(), 0}};
}

// The grey hint of an empty box; what the player types is theirs to fit.
std::optional<Need> placeholderNeed(const QLineEdit& edit) {
  if (!edit.text().isEmpty() || edit.placeholderText().isEmpty()) return std::nullopt;
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.hasFrame() ? 1 : 0;
  // The box keeps two pixels of its own on either side of the text.
  const int room =
      edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).width() - 4;
  const int need = edit.fontMetrics().horizontalAdvance(edit.placeholderText());
  return Need{edit.placeholderText(), {need, 0}, {room, 0}};
}

std::optional<Need> widgetNeed(const QWidget& widget) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return placeholderNeed(*edit);
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return labelNeed(*label);
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
    return buttonNeed(*button);
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) return groupBoxNeed(*box);
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) return comboNeed(*combo);
  return std::nullopt;
}

// A text cut to "…" by the game, with the whole text as tooltip.
bool isElided(const QString& text, const QString& toolTip) {
  return text.endsWith(QChar(0x2026)) && !toolTip.isEmpty() && toolTip != text &&
         toolTip.startsWith(text.chopped(1));
}

void checkWidget(const QWidget& widget, const QStringList& names, QStringList& out) {
  std::optional<Need> need = widgetNeed(widget);
  if (!need) return;
  need->need.rheight() -= unusedDescent(widget.fontMetrics(), drawnText(need->text));
  if (isElided(need->text, widget.toolTip()) && !names.contains(widget.toolTip()))
    out << describe(widget, need->text, "cut to \"…\" though no name the player typed");
  QSize room = need->room;
  const QSize seen = seenSize(widget);
  room.rwidth() -= widget.width() - seen.width();
  if (room.height() > 0) room.rheight() -= widget.height() - seen.height();
  if (need->need.width() > room.width() || need->need.height() > room.height()) {
    out << describe(widget, need->text,
                    QString("needs %1x%2, has %3x%4")
                        .arg(need->need.width())
                        .arg(need->need.height())
                        .arg(room.width())
                        .arg(room.height()));
  }
}

void checkTabs(const QTabBar& bar, QStringList& out) {
  const int padding = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
  for (int i = 0; i < bar.count(); ++i) {
    if (!bar.isTabVisible(i)) continue;
    const QString text = drawnText(bar.tabText(i));
    int need = bar.fontMetrics().horizontalAdvance(text) + padding;
    if (!bar.tabIcon(i).isNull()) need += bar.iconSize().width() + 4;
    if (need > bar.tabRect(i).width())
      out << describe(bar, text,
                      QString("tab needs %1, has %2").arg(need).arg(bar.tabRect(i).width()));
  }
}

void checkHeader(const QHeaderView& header, QStringList& out) {
  const QAbstractItemModel* model = header.model();
  if (!model) return;
  const int margin = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
  const bool across = header.orientation() == Qt::Horizontal;
  for (int i = 0; i < header.count(); ++i) {
    if (header.isSectionHidden(i) || header.sectionSize(i) == 0) continue;
    const QString text = model->headerData(i, header.orientation()).toString();
    if (text.isEmpty()) continue;
    QSize need = textSize(header.fontMetrics(), text) + QSize(margin, 0);
    if (header.isSortIndicatorShown() && header.sortIndicatorSection() == i)
      need.rwidth() += header.style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, &header);
    const QSize room = across ? QSize(header.sectionSize(i), header.height())
                              : QSize(header.width(), header.sectionSize(i));
    if (need.width() > room.width() || need.height() > room.height())
      out << describe(header, text,
                      QString("header section needs %1x%2, has %3x%4")
                          .arg(need.width())
                          .arg(need.height())
                          .arg(room.width())
                          .arg(room.height()));
  }
}

// The visible widget and its visible children.
QList<const QWidget*> shownWidgets(const QWidget& root) {
  QList<const QWidget*> widgets;
  if (!root.isVisible()) return widgets;
  widgets << &root;
  for (const QWidget* child : root.findChildren<QWidget*>()) {
    // A dialog owned by the window is a window of its own.
    if (child->isVisibleTo(&root) && child->window() == root.window()) widgets << child;
  }
  return widgets;
}

void modelTexts(const QAbstractItemModel& model, const QModelIndex& parent, QStringList& out) {
  for (int row = 0; row < model.rowCount(parent); ++row) {
    for (int column = 0; column < model.columnCount(parent); ++column) {
      const QModelIndex index = model.index(row, column, parent);
      out << model.data(index).toString() << model.data(index, Qt::ToolTipRole).toString();
      if (model.hasChildren(index)) modelTexts(model, index, out);
    }
  }
}

void menuTexts(const QList<QAction*>& actions, QStringList& out) {
  for (const QAction* action : actions) {
    out << action->text() << action->toolTip();
    if (action->menu()) menuTexts(action->menu()->actions(), out);
  }
}

QStringList textsOf(const QWidget& widget) {
  QStringList texts = {widget.toolTip()};
  if (widget.isWindow()) texts << widget.windowTitle();
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) texts << label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) texts << button->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) texts << box->title();
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
    texts << edit->text() << edit->placeholderText();
  if (const auto* edit = qobject_cast<const QTextEdit*>(&widget)) texts << edit->toPlainText();
  if (const auto* bar = qobject_cast<const QProgressBar*>(&widget)) texts << bar->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    for (int i = 0; i < combo->count(); ++i)
      texts << combo->itemText(i);
  }
  if (const auto* bar = qobject_cast<const QTabBar*>(&widget)) {
    for (int i = 0; i < bar->count(); ++i)
      texts << bar->tabText(i) << bar->tabToolTip(i);
  }
  if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget);
      view && view->model() && !qobject_cast<const QHeaderView*>(view)) {
    modelTexts(*view->model(), view->rootIndex(), texts);
  }
  if (const auto* header = qobject_cast<const QHeaderView*>(&widget); header && header->model()) {
    for (int i = 0; i < header->count(); ++i)
      texts << header->model()->headerData(i, header->orientation()).toString();
  }
  if (const auto* bar = qobject_cast<const QMenuBar*>(&widget)) menuTexts(bar->actions(), texts);
  if (const auto* view = qobject_cast<const ui::NarrationView*>(&widget))
    texts << view->visibleText();
  return texts;
}

}  // namespace

bool hasJapanese(QString text, const QStringList& names) {
  for (const QString& name : names)
    text.remove(name);
  for (const QChar c : text) {
    if (c.unicode() >= 0x3000 && c.unicode() < 0xA000) return true;
    if (c.unicode() >= 0xFF00 && c.unicode() < 0xFFF0) return true;
  }
  return false;
}

QStringList clippedTexts(const QWidget& root, const QStringList& names) {
  QStringList out;
  for (const QWidget* widget : shownWidgets(root)) {
    checkWidget(*widget, names, out);
    if (const auto* bar = qobject_cast<const QTabBar*>(widget)) checkTabs(*bar, out);
    if (const auto* header = qobject_cast<const QHeaderView*>(widget)) checkHeader(*header, out);
  }
  return out;
}

QStringList japaneseTexts(const QWidget& root, const QStringList& names) {
  // The language menu names Japanese in Japanese, so that a player who cannot read the
  // language being played still finds their own.
  const QStringList exempt = QStringList(names)
                             << QString::fromUtf8("言語 / Language") << QString::fromUtf8("日本語");
  QStringList out;
  for (const QWidget* widget : shownWidgets(root)) {
    for (const QString& text : textsOf(*widget)) {
      if (hasJapanese(text, exempt)) out << describe(*widget, text, "Japanese");
    }
  }
  return out;
}

}  // namespace velko::testing
