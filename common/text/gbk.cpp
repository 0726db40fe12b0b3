#include "common/text/gbk.h"

#include <array>
#include <cstdint>

#include "common/text/gbk_table.h"
#include "common/text/utf8.h"

namespace qvl::text {

namespace {

using detail::kGbkFirstLead;
using detail::kGbkFirstTrail;
using detail::kGbkToUnicode;

constexpr unsigned char kEuroByte = 0x80;
constexpr char32_t kEuro = 0x20AC;

// Code point -> GBK pair (lead << 8 | trail), 0 for none; built once from the decode table.
const std::array<std::uint16_t, 0x10000>& unicodeToGbk() {
    static const auto table = [] {
        std::array<std::uint16_t, 0x10000> t{};
        for (std::size_t lead = 0; lead < detail::kGbkLeadCount; ++lead) {
            for (std::size_t trail = 0; trail < detail::kGbkTrailCount; ++trail) {
                const std::uint16_t code = kGbkToUnicode[lead][trail];
                if (code != 0 && t[code] == 0) {
                    t[code] =
                        static_cast<std::uint16_t>(((lead + kGbkFirstLead) << 8) | (trail + kGbkFirstTrail));
                }
            }
        }
        return t;
    }();
    return table;
}

std::uint16_t gbkPairFor(char32_t c) { return c < 0x10000 ? unicodeToGbk()[c] : 0; }

}  // namespace

bool isGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

bool isGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

std::size_t gbkCharLength(std::string_view bytes, std::size_t pos) {
    if (pos + 1 < bytes.size() && isGbkLeadByte(static_cast<unsigned char>(bytes[pos])) &&
        isGbkTrailByte(static_cast<unsigned char>(bytes[pos + 1]))) {
        return 2;
    }
    return 1;
}

bool isGbkRepresentable(char32_t c) { return c < 0x80 || c == kEuro || gbkPairFor(c) != 0; }

std::string utf8ToGbk(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char ch = decodeUtf8At(utf8, pos);
        pos += ch.length;
        if (!ch.valid) {
            out += '?';
        } else if (ch.codePoint < 0x80) {
            out += static_cast<char>(ch.codePoint);
        } else if (ch.codePoint == kEuro) {
            out += static_cast<char>(kEuroByte);
        } else if (const std::uint16_t pair = gbkPairFor(ch.codePoint); pair != 0) {
            out += static_cast<char>(pair >> 8);
            out += static_cast<char>(pair & 0xFF);
        } else {
            out += '?';
        }
    }
    return out;
}

std::string gbkToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[pos]);
        const std::size_t length = gbkCharLength(bytes, pos);
        if (length == 2) {
            const auto trail = static_cast<unsigned char>(bytes[pos + 1]);
            const std::uint16_t code = kGbkToUnicode[b - kGbkFirstLead][trail - kGbkFirstTrail];
            if (code != 0) {
                appendUtf8(out, code);
            } else {
                out += '?';
            }
        } else if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (b == kEuroByte) {
            appendUtf8(out, kEuro);
        } else {
            out += '?';
        }
        pos += length;
    }
    return out;
}

}  // namespace qvl::text
