#include "deflate.h"

#include <algorithm>
#include <array>

namespace icongen {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 128;

// Writes bits least significant first, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(Bytes &out) : out_(out) {}

    void bits(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i) {
            accumulator_ |= ((value >> i) & 1u) << filled_;
            if (++filled_ == 8)
                flush();
        }
    }

    // A Huffman code goes out most significant bit first.
    void code(std::uint32_t value, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bits((value >> i) & 1u, 1);
    }

    void finish()
    {
        if (filled_ > 0)
            flush();
    }

private:
    void flush()
    {
        out_.push_back(std::uint8_t(accumulator_));
        accumulator_ = 0;
        filled_ = 0;
    }

    Bytes &out_;
    std::uint32_t accumulator_ = 0;
    int filled_ = 0;
};

// The fixed literal/length code of deflate.
void putSymbol(BitWriter &w, int symbol)
{
    if (symbol < 144)
        w.code(std::uint32_t(0x30 + symbol), 8);
    else if (symbol < 256)
        w.code(std::uint32_t(0x190 + symbol - 144), 9);
    else if (symbol < 280)
        w.code(std::uint32_t(symbol - 256), 7);
    else
        w.code(std::uint32_t(0xC0 + symbol - 280), 8);
}

constexpr std::array<int, 29> kLengthBase{3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                          35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                           3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase{1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129,
                                            193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097,
                                            6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void putMatch(BitWriter &w, int length, int distance)
{
    int l = int(kLengthBase.size()) - 1;
    while (kLengthBase[std::size_t(l)] > length)
        --l;
    putSymbol(w, 257 + l);
    w.bits(std::uint32_t(length - kLengthBase[std::size_t(l)]), kLengthExtra[std::size_t(l)]);
    int d = int(kDistanceBase.size()) - 1;
    while (kDistanceBase[std::size_t(d)] > distance)
        --d;
    w.code(std::uint32_t(d), 5);
    w.bits(std::uint32_t(distance - kDistanceBase[std::size_t(d)]), kDistanceExtra[std::size_t(d)]);
}

std::uint32_t hashAt(const Bytes &data, std::size_t at)
{
    const std::uint32_t v = std::uint32_t(data[at]) | std::uint32_t(data[at + 1]) << 8 | std::uint32_t(data[at + 2]) << 16;
    return (v * 2654435761u) >> (32 - kHashBits);
}

std::uint32_t adler32(const Bytes &data)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

} // namespace

Bytes zlibCompress(const Bytes &raw)
{
    Bytes out{0x78, 0x01};
    BitWriter w(out);
    w.bits(1, 1); // the last block
    w.bits(1, 2); // fixed Huffman codes

    // Chains of earlier places with the same three bytes, nearest first.
    std::vector<std::int64_t> head(std::size_t(1) << kHashBits, -1);
    std::vector<std::int64_t> previous(raw.size(), -1);
    const auto remember = [&](std::size_t at) {
        if (at + kMinMatch > raw.size())
            return;
        const std::uint32_t h = hashAt(raw, at);
        previous[at] = head[h];
        head[h] = std::int64_t(at);
    };

    std::size_t at = 0;
    while (at < raw.size()) {
        int bestLength = 0;
        std::size_t bestDistance = 0;
        if (at + kMinMatch <= raw.size()) {
            const int limit = int(std::min<std::size_t>(kMaxMatch, raw.size() - at));
            std::int64_t candidate = head[hashAt(raw, at)];
            for (int chain = 0; candidate >= 0 && chain < kMaxChain; ++chain) {
                const std::size_t from = std::size_t(candidate);
                if (at - from > kWindow)
                    break;
                int length = 0;
                while (length < limit && raw[from + std::size_t(length)] == raw[at + std::size_t(length)])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = at - from;
                    if (length == limit)
                        break;
                }
                candidate = previous[from];
            }
        }
        if (bestLength >= kMinMatch) {
            putMatch(w, bestLength, int(bestDistance));
            for (int i = 0; i < bestLength; ++i)
                remember(at + std::size_t(i));
            at += std::size_t(bestLength);
        } else {
            putSymbol(w, raw[at]);
            remember(at);
            ++at;
        }
    }
    putSymbol(w, 256); // end of block
    w.finish();

    const std::uint32_t check = adler32(raw);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t((check >> shift) & 0xFF));
    return out;
}

} // namespace icongen
