#include "platform/portable/lnk_reader.h"

#include <cstdint>

#include "core/utf8.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

constexpr std::uint32_t hasLinkTargetIdList = 0x01;
constexpr std::uint32_t hasLinkInfo = 0x02;
constexpr std::uint32_t isUnicode = 0x80;
// The string data, in the order they are stored.
constexpr std::uint32_t stringFlags[] = {0x04, 0x08, 0x10, 0x20, 0x40};
constexpr std::uint32_t hasArguments = 0x20;

[[noreturn]] void notALink() { throw PlatformError(0xC1, "ショートカットとして読めないファイルです"); }

class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    std::uint32_t u16(size_t at) const { return byte(at) | byte(at + 1) << 8; }
    std::uint32_t u32(size_t at) const { return u16(at) | u16(at + 2) << 16; }
    // NUL-terminated UTF-16 from `at`, as UTF-8.
    std::string utf16z(size_t at) const {
        std::u16string units;
        for (std::uint32_t c; (c = u16(at)) != 0; at += 2) units += static_cast<char16_t>(c);
        return utf8Of(units);
    }
    std::string utf16(size_t at, size_t count) const {
        std::u16string units;
        for (size_t i = 0; i < count; ++i) units += static_cast<char16_t>(u16(at + 2 * i));
        return utf8Of(units);
    }

private:
    std::uint32_t byte(size_t at) const {
        if (at >= bytes_.size()) notALink();
        return static_cast<unsigned char>(bytes_[at]);
    }

    const std::string& bytes_;
};

}  // namespace

LinkTarget readShellLinkBytes(const std::string& bytes) {
    const Reader r(bytes);
    if (r.u32(0) != 0x4C) notALink();
    const std::uint32_t flags = r.u32(0x14);
    size_t at = 0x4C;
    if (flags & hasLinkTargetIdList) at += 2 + r.u16(at);
    if (!(flags & hasLinkInfo)) notALink();
    const size_t info = at;
    // The Unicode local path, which a LinkInfo header of 0x24 bytes or more carries.
    if (r.u32(info + 4) < 0x24 || !(r.u32(info + 8) & 1)) notALink();
    LinkTarget link;
    link.target = r.utf16z(info + r.u32(info + 0x1C)) + r.utf16z(info + r.u32(info + 0x20));
    at += r.u32(info);
    if (!(flags & isUnicode)) return link;
    for (std::uint32_t flag : stringFlags) {
        if (!(flags & flag)) continue;
        const size_t count = r.u16(at);
        if (flag == hasArguments) link.arguments = r.utf16(at + 2, count);
        at += 2 + 2 * count;
    }
    return link;
}

}  // namespace parcelo
