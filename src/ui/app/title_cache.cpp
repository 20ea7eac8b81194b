#include "ui/app/title_cache.h"

#include <QFile>
#include <QSaveFile>

namespace velko::ui {

namespace {

constexpr char kMagicLine[] = "VELKO title cache\n";
constexpr char kVersionLine[] = "1\n";
// A header line longer than this is not one of ours.
constexpr qint64 kLongestLine = 128;

QByteArray sizeLine(QSize pixels) {
  return QByteArray::number(pixels.width()) + ' ' + QByteArray::number(pixels.height()) + '\n';
}

QByteArray header(const QByteArray& key, QSize pixels) {
  return QByteArray(kMagicLine) + kVersionLine + sizeLine(pixels) + key + '\n';
}

// Whether the file at `file` starts as a title cache does: only such a file is ever replaced.
bool isTitleCache(QFile& file) {
  return file.readLine(kLongestLine) == kMagicLine;
}

}  // namespace

std::optional<QImage> readTitleCache(const QString& file, const QByteArray& key, QSize pixels) {
  if (pixels.isEmpty()) return std::nullopt;
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
  // The header is compared whole, so a file of another version, size or key never gets as far
  // as its pixels.
  const QByteArray expected = header(key, pixels);
  if (in.read(expected.size()) != expected) return std::nullopt;
  QImage picture(pixels, QImage::Format_RGB32);
  if (picture.isNull()) return std::nullopt;
  const qint64 bytes = picture.sizeInBytes();
  if (in.size() != expected.size() + bytes) return std::nullopt;
  if (in.read(reinterpret_cast<char*>(picture.bits()), bytes) != bytes) return std::nullopt;
  return picture;
}

bool writeTitleCache(const QString& file, const QByteArray& key, const QImage& picture) {
  if (picture.isNull()) return false;
  {
    QFile existing(file);
    if (existing.exists() && (!existing.open(QIODevice::ReadOnly) || !isTitleCache(existing)))
      return false;
  }
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  out.write(header(key, pixels.size()));
  out.write(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes());
  return out.commit();
}

}  // namespace velko::ui
