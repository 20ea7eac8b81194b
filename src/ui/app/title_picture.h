#pragma once
// What the title screen shows behind its buttons: the arena, darkened, under a band with the
// game's name and the line beneath it.

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <future>

namespace velko::ui {

inline constexpr QSize kTitleSize(800, 500);

// What the title's picture is made from; all of it is copied, as it goes to another thread.
struct TitleLook {
  QString stageFile;  // the arena picture
  qreal pixelRatio = 1;
  QFont font;         // the window's
  QString subtitle;   // the line under the name, in the game's language
  QString cacheFile;  // where the picture is kept between starts; none if empty
};

// The whole picture at the title's designed size, started on a thread of its own (painted at
// the first paint where no thread can be started). It is the one kept from an earlier start
// where that was painted from the same look; otherwise it is painted and kept for the next.
std::future<QImage> startTitlePicture(TitleLook look);

}  // namespace velko::ui
