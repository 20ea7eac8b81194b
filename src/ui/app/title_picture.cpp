#include "ui/app/title_picture.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QSysInfo>
#include <chrono>
#include <memory>

#include "core/game_version.h"
#include "ui/app/title_cache.h"

namespace velko::ui {

namespace {

// Changed whenever the lettering is drawn differently, so that a kept picture is painted again.
constexpr const char* kLettering = "subtitle plate";

// The backdrop over `all`: the top of the arena picture (a plain dark field without it),
// darkening downwards, and the band the name stands on.
void paintBackdrop(QPainter& p, const QImage& stage, const QRect& all) {
  if (!stage.isNull()) {
    p.drawImage(all, stage, QRect(0, 0, 800, 400));
  } else {
    p.fillRect(all, QColor(20, 24, 34));
  }
  QLinearGradient shade(0, 0, 0, all.height());
  shade.setColorAt(0, QColor(0, 0, 0, 90));
  shade.setColorAt(1, QColor(0, 0, 0, 200));
  p.fillRect(all, shade);
  // A dark band keeps the title readable over the arena's banners.
  p.fillRect(QRect(0, 55, all.width(), 180), QColor(8, 10, 16, 190));
  p.fillRect(QRect(0, 55, all.width(), 2), QColor(236, 72, 60, 200));
  p.fillRect(QRect(0, 233, all.width(), 2), QColor(236, 72, 60, 200));
}

// The name with its shadow and the line under it, centred in `width`.
void paintLettering(QPainter& p, const QFont& base, int width, const QString& subtitle) {
  QFont title = base;
  title.setPointSize(64);
  title.setBold(true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 12);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(QRect(4, 64, width, 120), Qt::AlignHCenter, "VELKO");
  p.setPen(QColor(236, 72, 60));
  p.drawText(QRect(0, 60, width, 120), Qt::AlignHCenter, "VELKO");
  QFont sub = base;
  sub.setPointSize(15);
  p.setFont(sub);
  // The line stands on a plate of its own: the arena's signs behind it would run into a long
  // line (the English one) and make it hard to read.
  const QRect line(0, 180, width, 40);
  const QRect text = p.fontMetrics().boundingRect(line, Qt::AlignHCenter, subtitle);
  const QRect plate = text.adjusted(-18, -3, 18, 3);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(236, 72, 60, 200), 1));
  p.setBrush(QColor(8, 10, 16, 245));
  p.drawRoundedRect(QRectF(plate).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
  p.setPen(QColor(230, 230, 236));
  p.drawText(line, Qt::AlignHCenter, subtitle);
}

// Everything the picture's pixels depend on, as one fingerprint: a kept picture painted from
// anything else (another arena file, language, font, pixel ratio, game or Qt version) is
// painted again.
QByteArray lookKey(const TitleLook& look) {
  const QFileInfo stage(look.stageFile);
  QByteArray text;
  for (const QString& part :
       {QString(kLettering), QString::fromStdString(gameVersion()), QString(qVersion()),
        QString::number(QSysInfo::ByteOrder), look.stageFile, QString::number(stage.size()),
        QString::number(stage.lastModified().toMSecsSinceEpoch()),
        QString::number(look.pixelRatio, 'g', 6), look.font.toString(), look.subtitle}) {
    text += part.toUtf8();
    text += '\0';
  }
  return QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex();
}

// Painted off the screen, so that it can be done on a thread of its own while the window is
// built; at the screen's pixel ratio, so that it is drawn there pixel for pixel. The arena
// picture is let go on the same thread.
QImage paintTitlePicture(const TitleLook& look) {
  QImage picture(kTitleSize * look.pixelRatio, QImage::Format_RGB32);
  picture.setDevicePixelRatio(look.pixelRatio);
  QPainter p(&picture);
  paintBackdrop(p, QImage(look.stageFile), QRect(QPoint(0, 0), kTitleSize));
  paintLettering(p, look.font, kTitleSize.width(), look.subtitle);
  p.end();
  return picture;
}

// Reading the kept picture is one file; painting it afresh decodes the arena and opens the
// lettering's two fonts, the dearest part of a start.
void makeTitlePicture(const TitleLook& look, std::promise<QImage>& picture) {
  if (look.cacheFile.isEmpty()) {
    picture.set_value(paintTitlePicture(look));
    return;
  }
  const QByteArray key = lookKey(look);
  const QSize pixels = kTitleSize * look.pixelRatio;
  if (std::optional<QImage> kept = readTitleCache(look.cacheFile, key, pixels)) {
    kept->setDevicePixelRatio(look.pixelRatio);
    picture.set_value(*kept);
    return;
  }
  const QImage painted = paintTitlePicture(look);
  picture.set_value(painted);
  writeTitleCache(look.cacheFile, key, painted);
}

}  // namespace

TitlePictureWork startTitlePicture(TitleLook look) {
  auto picture = std::make_shared<std::promise<QImage>>();
  TitlePictureWork work{picture->get_future(), {}};
  work.done = std::async(std::launch::async | std::launch::deferred,
                         [look = std::move(look), picture] { makeTitlePicture(look, *picture); });
  return work;
}

QImage takeTitlePicture(TitlePictureWork& work) {
  if (work.done.wait_for(std::chrono::seconds(0)) == std::future_status::deferred) work.done.wait();
  return work.picture.get();
}

}  // namespace velko::ui
