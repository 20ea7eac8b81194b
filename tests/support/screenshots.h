#pragma once
// Screenshots of the screens under test, saved as build artifacts (artifacts/screens/).

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QWidget>

namespace velko::testing {

// Shows the widget and lets it lay out and paint.
inline void settle(QWidget& widget) {
  widget.show();
  for (int i = 0; i < 3; ++i)
    QCoreApplication::processEvents();
}

inline QString screenPath(const QString& name) {
  const QString folder = QStringLiteral(VELKO_ARTIFACTS_DIR) + "/screens";
  QDir().mkpath(folder);
  return folder + "/" + name;
}

// Saves "name" (with its extension) as the widget looks now; false when it could not.
inline bool saveScreen(QWidget& widget, const QString& name) {
  return widget.grab().save(screenPath(name));
}

// The same after the widget has been shown and has settled.
inline bool settleAndSave(QWidget& widget, const QString& name) {
  settle(widget);
  return saveScreen(widget, name);
}

}  // namespace velko::testing
