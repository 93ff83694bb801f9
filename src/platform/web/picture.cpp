#include "platform/web/picture.h"

#include "platform/web/page.h"

#include <algorithm>
#include <array>

namespace tolvane::web {

namespace {

bool startsWith(std::span<const unsigned char> file, std::span<const unsigned char> signature)
{
    return file.size() >= signature.size() && std::equal(signature.begin(), signature.end(), file.begin());
}

const char *typeOf(std::span<const unsigned char> file)
{
    static constexpr std::array<unsigned char, 3> jpeg{0xFF, 0xD8, 0xFF};
    static constexpr std::array<unsigned char, 6> gif89a{'G', 'I', 'F', '8', '9', 'a'};
    if (startsWith(file, jpeg))
        return "image/jpeg";
    if (startsWith(file, gif89a))
        return "image/gif";
    return nullptr;
}

} // namespace

int WebPicture::handleOf(const runtime::Picture *picture)
{
    const auto *own = dynamic_cast<const WebPicture *>(picture);
    return own ? own->handle() : WebPicture::none;
}

std::unique_ptr<runtime::Picture> decodePicture(std::span<const unsigned char> file)
{
    const char *type = typeOf(file);
    if (!type)
        return nullptr;
    const int handle = page_picture(file.data(), int(file.size()), type);
    return handle == WebPicture::none ? nullptr : std::make_unique<WebPicture>(handle);
}

} // namespace tolvane::web
