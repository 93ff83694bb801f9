#include "resources/picture_cache.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtDebug>

#include <array>
#include <optional>

namespace tolvane::pictures {

namespace {

struct Entry {
    std::optional<QPixmap> pixmap;
    std::optional<QByteArray> bytesForTests;
    int decodes = 0;
};

std::array<Entry, pictureCount> &entries()
{
    static std::array<Entry, pictureCount> table;
    return table;
}

Entry &entryOf(PictureId id) { return entries()[static_cast<std::size_t>(id) - 1]; }

QPixmap decode(const PictureInfo &info, const std::optional<QByteArray> &bytes)
{
    QImage image;
    if (bytes) {
        QBuffer buffer;
        buffer.setData(*bytes);
        QImageReader reader(&buffer);
        image = reader.read();
    } else {
        QImageReader reader(QString::fromLatin1(info.resource.data(), qsizetype(info.resource.size())));
        image = reader.read();
    }
    if (image.isNull()) {
        qWarning("picture %s could not be decoded", info.name.data());
        return {};
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap get(PictureId id)
{
    if (id == PictureId::None)
        return {};
    Entry &entry = entryOf(id);
    if (!entry.pixmap) {
        ++entry.decodes;
        entry.pixmap = decode(pictureInfo(id), entry.bytesForTests);
    }
    return *entry.pixmap;
}

int decodeCount(PictureId id) { return id == PictureId::None ? 0 : entryOf(id).decodes; }

void replaceForTests(PictureId id, const QByteArray &bytes)
{
    Entry &entry = entryOf(id);
    entry.bytesForTests = bytes;
    entry.pixmap.reset();
}

} // namespace tolvane::pictures
