#pragma once

// Each picture is decoded once per run, by the runtime, and then shared by all
// its uses. Only the part that some window can show is decoded and kept: the
// splat and the backdrop reach far past every window.

#include "resources/picture_id.h"
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

    // The decoded picture; null if it could not be decoded, so that its
    // control stays empty and the game goes on. Waits for the picture if it
    // is still being decoded in the background.
    const runtime::Picture *picture(PictureId id) override;

    // Decodes every picture on a thread of its own, in the order the windows
    // need them, while the program builds its first window: moving on to a
    // window then never waits for its pictures. Where no thread can be
    // started (a browser page), each picture is decoded when a window first
    // needs it instead.
    void decodeInBackground();

    // How many times a picture was decoded in this run.
    int decodeCount(PictureId id) const;

private:
    using Decoded = std::shared_ptr<const runtime::Picture>;
    struct Entry {
        std::optional<Decoded> picture;
        std::shared_future<Decoded> inBackground;
        int decodes = 0;
    };

    Entry &entryOf(PictureId id) { return m_entries[std::size_t(id) - 1]; }
    // Null when the runtime cannot decode it, or runs out of memory doing so.
    Decoded decode(PictureId id) const;

    const runtime::Runtime &m_decoder;
    std::array<Entry, pictureCount> m_entries;
    std::thread m_background;
};

} // namespace tolvane
