#include "shell/picture_cache.h"

#include "resources/picture_files.h"
#include "runtime/runtime.h"
#include "shell/picture_views.h"

#include <cstdio>
#include <new>
#include <system_error>
#include <vector>

namespace tolvane {

PictureCache::PictureCache(const runtime::Runtime &decoder) : m_decoder(decoder) {}

PictureCache::~PictureCache()
{
    if (m_background.joinable())
        m_background.join();
}

PictureCache::Decoded PictureCache::decode(PictureId id, int scale) const
{
    Decoded picture;
    try {
        picture = m_decoder.decodePicture(pictureFile(id, scale), partInView(id, scale));
    } catch (const std::bad_alloc &) {
    }
    if (!picture)
        std::fprintf(stderr, "picture %s at %dx could not be decoded\n", pictureInfo(id).name.data(), scale);
    return picture;
}

const runtime::Picture *PictureCache::picture(PictureId id, int scale)
{
    if (id == PictureId::None || scale < 1 || scale > pictureScales || pictureFile(id, scale).empty())
        return nullptr;
    Entry &entry = entryOf(id, scale);
    if (!entry.picture) {
        if (entry.inBackground.valid()) {
            entry.picture = entry.inBackground.get();
            entry.inBackground = {};
        } else {
            ++entry.decodes;
            entry.picture = decode(id, scale);
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
    // Each picture at 1x, then at the display's scale where that is 2x.
    struct Job {
        PictureId id;
        int scale;
    };
    const double ratio = m_decoder.displayPixelRatio();
    std::vector<Job> jobs;
    for (PictureId id : order) {
        jobs.push_back({id, 1});
        if (pictureScaleFor(id, ratio) == 2 && !pictureFile(id, 2).empty())
            jobs.push_back({id, 2});
    }
    auto promises = std::make_shared<std::vector<std::promise<Decoded>>>(jobs.size());
    std::vector<bool> wanted(jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        Entry &entry = entryOf(jobs[i].id, jobs[i].scale);
        if (entry.picture || entry.inBackground.valid())
            continue;
        wanted[i] = true;
        ++entry.decodes;
        entry.inBackground = (*promises)[i].get_future().share();
    }
    try {
        m_background = std::thread([this, promises, wanted, jobs] {
            for (std::size_t i = 0; i < jobs.size(); ++i) {
                if (wanted[i])
                    (*promises)[i].set_value(decode(jobs[i].id, jobs[i].scale));
            }
        });
    } catch (const std::system_error &) {
        // No thread to be had: every picture waits for its first window.
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            if (wanted[i]) {
                Entry &entry = entryOf(jobs[i].id, jobs[i].scale);
                --entry.decodes;
                entry.inBackground = {};
            }
        }
    }
}

int PictureCache::decodeCount(PictureId id, int scale) const
{
    return id == PictureId::None ? 0 : m_entries[std::size_t(scale) - 1][std::size_t(id) - 1].decodes;
}

} // namespace tolvane
