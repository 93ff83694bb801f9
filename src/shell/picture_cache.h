#pragma once

// Each picture is decoded once per run, by the runtime, and then shared by all
// its uses. Only the part that some window can show is decoded and kept: the
// splat and the backdrop reach far past every window.

#include "resources/picture_id.h"
#include "resources/picture_scale.h"
#include "runtime/picture.h"

#include <array>
#include <future>
#include <memory>
#include <optional>
#include <thread>

namespace tolvane {

namespace runtime {
class Runtime;
}

class PictureCache : public runtime::PictureSource {
public:
    explicit PictureCache(const runtime::Runtime &decoder);
    ~PictureCache();
    PictureCache(const PictureCache &) = delete;
    PictureCache &operator=(const PictureCache &) = delete;

    // The decoded picture at `scale`; null if it could not be decoded, so
    // that its control stays empty and the game goes on. Waits for the
    // picture if it is still being decoded in the background. A 2x picture
    // is decoded when a window first asks for it.
    const runtime::Picture *picture(PictureId id, int scale) override;
    using runtime::PictureSource::picture;

    // Decodes every picture on a thread of its own, in the order the windows
    // need them, while the program builds its first window: moving on to a
    // window then never waits for its pictures. On a display of 1.5 device
    // pixels a pixel or more, each picture's 2x file too. Where no thread can
    // be started (a browser page), each picture is decoded when a window
    // first needs it instead.
    void decodeInBackground();

    // How many times a picture was decoded at `scale` in this run.
    int decodeCount(PictureId id, int scale = 1) const;

private:
    using Decoded = std::shared_ptr<const runtime::Picture>;
    struct Entry {
        std::optional<Decoded> picture;
        std::shared_future<Decoded> inBackground;
        int decodes = 0;
    };

    Entry &entryOf(PictureId id, int scale = 1) { return m_entries[std::size_t(scale) - 1][std::size_t(id) - 1]; }
    // Null when the runtime cannot decode it, or runs out of memory doing so.
    Decoded decode(PictureId id, int scale) const;

    const runtime::Runtime &m_decoder;
    std::array<std::array<Entry, pictureCount>, pictureScales> m_entries;
    std::thread m_background;
};

} // namespace tolvane
