#include "e2e/e2e_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "support/screen_texts.h"

namespace e2e {

namespace {

QStringList& shots() {
  static QStringList list;
  return list;
}

QStringList& messages() {
  static QStringList list;
  return list;
}

QElapsedTimer& clock() {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer;
}

// Names the player typed, which stay as typed whatever the language and may be cut to "…"
// where they do not fit.
QStringList& typedNames() {
  static QStringList list;
  return list;
}
bool& englishOnly() {
  static bool on = false;
  return on;
}

// Fails when a visible window shows a text the player cannot read whole or, in English, a
// Japanese text: labels, buttons, titles, list and table items, headers, menus, tooltips.
void checkScreenTexts(const QString& shot) {
  static bool failing = false;  // the failure's own screenshot shows the same screen
  if (failing) return;
  QStringList faults;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    if (englishOnly()) faults << velko::testing::japaneseTexts(*window, typedNames());
    faults << velko::testing::clippedTexts(*window, typedNames());
  }
  if (faults.isEmpty()) return;
  failing = true;
  fail(QString("on the screen of %1:\n  %2").arg(shot, faults.join("\n  ")));
}

QString oneLine(QString text) {
  text.replace("\r\n", " / ").replace('\n', " / ");
  return text.trimmed();
}

}  // namespace

QString screenshotFolder() {
  return QString(VELKO_ARTIFACTS_DIR) + (englishOnly() ? "/e2e-en" : "/e2e");
}

void expectEnglishScreens() {
  englishOnly() = true;
}

void setTypedNames(const QStringList& names) {
  typedNames() = names;
}

QString said(const char* text) {
  QString longest;
  for (const QString& piece : qtTrId(text).split(QRegularExpression("%\\d+"))) {
    if (piece.trimmed().size() > longest.size()) longest = piece.trimmed();
  }
  return longest;
}

QString takeScreenshot(const QString& name) {
  const QString dir = screenshotFolder();
  QDir().mkpath(dir);
  const QString file =
      QString("%1/%2-%3.png").arg(dir).arg(shots().size() + 1, 2, 10, QChar('0')).arg(name);
  QScreen* screen = QGuiApplication::primaryScreen();
  const QPixmap picture = screen ? screen->grabWindow(0) : QPixmap();
  if (picture.isNull() || !picture.save(file)) {
    std::fprintf(stderr, "e2e: could not save screenshot %s\n", qPrintable(file));
  }
  shots().append(file);
  checkScreenTexts(name);
  std::printf("[%6.1fs] screenshot %s\n", elapsedSeconds(), qPrintable(file));
  std::fflush(stdout);
  return file;
}

const QStringList& screenshotsTaken() {
  return shots();
}

QString describeWindow(const QWidget* window) {
  if (!window) return "(none)";
  QStringList texts;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->isVisible() && !label->text().isEmpty()) texts << oneLine(label->text());
  }
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (button->isVisible() && !button->text().isEmpty())
      texts << "[" + oneLine(button->text()) + (button->isEnabled() ? "]" : " (off)]");
  }
  for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
    if (edit->isVisible()) texts << "<" + edit->text() + ">";
  }
  if (texts.size() > 30) texts = texts.mid(0, 30) << "...";
  return QString("%1 \"%2\" %3: %4")
      .arg(window->metaObject()->className(), window->windowTitle(),
           window->isVisible() ? "shown" : "hidden", texts.join(" | "));
}

QString describeScreen() {
  QStringList lines;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal) lines << "active modal: " + describeWindow(modal);
  if (QWidget* popup = QApplication::activePopupWidget())
    lines << "popup: " + describeWindow(popup);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window == modal || !window->isVisible()) continue;
    lines << "window: " + describeWindow(window);
  }
  if (lines.isEmpty()) lines << "no window is shown";
  return lines.join('\n');
}

void noteMessage(const QString& text) {
  messages().append(oneLine(text));
}

const QStringList& messagesSeen() {
  return messages();
}

void fail(const QString& why) {
  std::fprintf(stderr, "\nE2E FAILED after %.1fs: %s\n", elapsedSeconds(), qPrintable(why));
  std::fprintf(stderr, "%s\n", qPrintable(describeScreen()));
  const QStringList& seen = messages();
  std::fprintf(stderr, "last messages:\n");
  for (qsizetype i = std::max<qsizetype>(0, seen.size() - 12); i < seen.size(); ++i)
    std::fprintf(stderr, "  %s\n", qPrintable(seen[i]));
  takeScreenshot("failure");
  std::fflush(stdout);
  std::fflush(stderr);
  // Nested dialog loops and half-closed screens cannot be unwound safely; leave at once.
  std::_Exit(1);
}

void check(bool condition, const QString& why) {
  if (!condition) fail(why);
}

double elapsedSeconds() {
  return static_cast<double>(clock().elapsed()) / 1000.0;
}

}  // namespace e2e
