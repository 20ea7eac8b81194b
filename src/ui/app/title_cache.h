#pragma once
// The title's picture kept from an earlier start (`title.cache` beside `save/`), so that a start
// reads one file instead of decoding the arena and opening the lettering's fonts. The format is
// in docs/title-cache.md; the file is read as untrusted input.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace velko::ui {

inline constexpr const char* kTitleCacheName = "title.cache";

// The picture kept in `file`, if it was painted from what `key` names and has `pixels`; nothing
// if the file is missing, is not a title cache, names another key or size, or is cut short.
std::optional<QImage> readTitleCache(const QString& file, const QByteArray& key, QSize pixels);

// Keeps `picture`, painted from `key`, in `file`. A file there that is not a title cache is left
// as it is. False where nothing was written (a read-only folder, say): the next start only
// paints the picture again.
bool writeTitleCache(const QString& file, const QByteArray& key, const QImage& picture);

}  // namespace velko::ui
