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

// The title's picture on its way, on a thread of its own.
struct TitlePictureWork {
  // Ready as soon as the picture is read or painted.
  std::future<QImage> picture;
  // Ends once a freshly painted picture has been kept for the next start; letting it go waits
  // for that. Where no thread could be started, waiting for it does all the work.
  std::future<void> done;
};

// The whole picture at the title's designed size: the one kept from an earlier start where
// that was painted from the same look; otherwise it is painted, and kept after it is handed
// over, so the first paint never waits for the disk.
TitlePictureWork startTitlePicture(TitleLook look);

// The picture, once it is there.
QImage takeTitlePicture(TitlePictureWork& work);

}  // namespace velko::ui
