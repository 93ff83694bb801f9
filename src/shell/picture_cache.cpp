#include "shell/picture_cache.h"

#include "resources/picture_files.h"
#include "runtime/runtime.h"
#include "shell/picture_views.h"

#include <cstdio>

namespace tolvane {

PictureCache::PictureCache(const runtime::Runtime &decoder) : m_decoder(decoder) {}

PictureCache::~PictureCache()
{
    if (m_background.joinable())
        m_background.join();
}

PictureCache::Decoded PictureCache::decode(PictureId id, const std::optional<std::vector<unsigned char>> &bytes) const
{
    const std::span<const unsigned char> file = bytes ? std::span<const unsigned char>(*bytes) : pictureFile(id);
    Decoded picture = m_decoder.decodePicture(file, partInView(id));
    if (!picture)
        std::fprintf(stderr, "picture %s could not be decoded\n", pictureInfo(id).name.data());
    return picture;
}

const runtime::Picture *PictureCache::picture(PictureId id)
{
    if (id == PictureId::None)
        return nullptr;
    Entry &entry = entryOf(id);
    if (!entry.picture) {
        if (entry.inBackground.valid()) {
            entry.picture = entry.inBackground.get();
            entry.inBackground = {};
        } else {
            ++entry.decodes;
            entry.picture = decode(id, entry.bytesForTests);
        }
    }
    return entry.picture->get();
}

void PictureCache::decodeInBackground()
{
    if (m_background.joinable())
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
    m_background = std::thread([this, promises, wanted] {
        for (std::size_t i = 0; i < pictureCount; ++i) {
            if (wanted[i])
                (*promises)[i].set_value(decode(order[i], std::nullopt));
        }
    });
}

int PictureCache::decodeCount(PictureId id) const
{
    return id == PictureId::None ? 0 : m_entries[std::size_t(id) - 1].decodes;
}

void PictureCache::replaceForTests(PictureId id, std::vector<unsigned char> bytes)
{
    Entry &entry = entryOf(id);
    entry.bytesForTests = std::move(bytes);
    entry.picture.reset();
    entry.inBackground = {};
}

} // namespace tolvane
