#include "resources/picture_cache.h"

#include "resources/picture_views.h"
#include "resources/text.h"

#include <QBuffer>
#include <QImageReader>
#include <QtDebug>

#include <array>
#include <future>
#include <optional>
#include <thread>

namespace tolvane::pictures {

namespace {

// A picture decoded into memory, off the user-interface thread if need be.
struct Decoded {
    QImage image;
    QPoint offset;
};

struct Entry {
    std::optional<Picture> picture;
    std::optional<QByteArray> bytesForTests;
    std::shared_future<Decoded> inBackground;
    int decodes = 0;
};

std::array<Entry, pictureCount> &entries()
{
    static std::array<Entry, pictureCount> table;
    return table;
}

Entry &entryOf(PictureId id) { return entries()[static_cast<std::size_t>(id) - 1]; }

Decoded decode(PictureId id, const std::optional<QByteArray> &bytes)
{
    const PictureInfo &info = pictureInfo(id);
    QBuffer buffer;
    QImageReader reader;
    if (bytes) {
        buffer.setData(*bytes);
        reader.setDevice(&buffer);
    } else {
        reader.setFileName(toQString(info.resource));
    }
    const QRect part = partInView(id);
    const bool whole = part == QRect(0, 0, info.width, info.height);
    if (!whole && !part.isEmpty() && reader.supportsOption(QImageIOHandler::ClipRect))
        reader.setClipRect(part);
    QImage image = reader.read();
    if (image.isNull()) {
        qWarning("picture %s could not be decoded", info.name.data());
        return {};
    }
    const QPoint offset = reader.clipRect().isValid() ? reader.clipRect().topLeft() : QPoint();
    return {std::move(image), offset};
}

} // namespace

const Picture &get(PictureId id)
{
    static const Picture none;
    if (id == PictureId::None)
        return none;
    Entry &entry = entryOf(id);
    if (!entry.picture) {
        Decoded decoded;
        if (entry.inBackground.valid()) {
            decoded = entry.inBackground.get();
            entry.inBackground = {};
        } else {
            ++entry.decodes;
            decoded = decode(id, entry.bytesForTests);
        }
        entry.picture = Picture{decoded.image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(decoded.image)),
                                decoded.offset};
    }
    return *entry.picture;
}

std::optional<std::thread> &backgroundThread()
{
    static std::optional<std::thread> thread;
    return thread;
}

void startDecodingInBackground()
{
    if (backgroundThread())
        return;
    // The title window's pictures first, the closing window's last.
    static constexpr PictureId order[] = {PictureId::backdrop,    PictureId::logo,      PictureId::blankdot,
                                          PictureId::hostcard,    PictureId::hostcorrect, PictureId::hostwrong,
                                          PictureId::hostfarewell, PictureId::splat};
    static_assert(std::size(order) == pictureCount);
    auto promises = std::make_shared<std::array<std::promise<Decoded>, pictureCount>>();
    std::array<bool, pictureCount> wanted{};
    for (std::size_t i = 0; i < pictureCount; ++i) {
        Entry &entry = entryOf(order[i]);
        if (entry.picture || entry.inBackground.valid() || entry.bytesForTests)
            continue;
        wanted[i] = true;
        ++entry.decodes;
        entry.inBackground = (*promises)[i].get_future().share();
    }
    backgroundThread().emplace([promises, wanted] {
        for (std::size_t i = 0; i < pictureCount; ++i) {
            if (wanted[i])
                (*promises)[i].set_value(decode(order[i], std::nullopt));
        }
    });
}

void finishDecodingInBackground()
{
    if (backgroundThread() && backgroundThread()->joinable())
        backgroundThread()->join();
}

int decodeCount(PictureId id) { return id == PictureId::None ? 0 : entryOf(id).decodes; }

void replaceForTests(PictureId id, const QByteArray &bytes)
{
    Entry &entry = entryOf(id);
    entry.bytesForTests = bytes;
    entry.picture.reset();
    entry.inBackground = {};
}

} // namespace tolvane::pictures
