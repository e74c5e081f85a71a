#include "platform/portable/lnk_file.h"

#include <cstdint>
#include <vector>

#include "core/utf8.h"
#include "core/windows_names.h"

namespace parcelo {
namespace {

constexpr std::uint32_t hasLinkTargetIdList = 0x01;
constexpr std::uint32_t hasLinkInfo = 0x02;
constexpr std::uint32_t hasArguments = 0x20;
constexpr std::uint32_t isUnicode = 0x80;
constexpr std::uint32_t attributeDirectory = 0x10;
constexpr std::uint32_t attributeArchive = 0x20;

constexpr unsigned char linkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr unsigned char myComputerClsid[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                               0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};

class Bytes {
public:
    void u8(unsigned v) { data_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(unsigned v) { u8(v), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
    void raw(const unsigned char* p, size_t n) { data_.append(reinterpret_cast<const char*>(p), n); }
    void raw(const std::string& s) { data_ += s; }
    void zeros(size_t n) { data_.append(n, '\0'); }
    void ansiz(const std::string& s) { data_ += s, u8(0); }
    void utf16(const std::u16string& s) {
        for (char16_t c : s) u16(c);
    }
    void utf16z(const std::u16string& s) { utf16(s), u16(0); }
    size_t size() const { return data_.size(); }
    void patch32(size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    const std::string& str() const { return data_; }

private:
    std::string data_;
};

// The 8-bit name of an item: its ASCII characters, "_" for the others.
std::string asciiName(const std::string& name) {
    std::string out;
    for (char16_t c : utf16Of(name)) out += c < 0x80 ? static_cast<char>(c) : '_';
    return out;
}

// A file or folder item with its long name in a 0xBEEF0004 extension block.
std::string fileItem(const std::string& name, bool folder) {
    Bytes item;
    item.u16(0);  // size, patched below
    item.u8(folder ? 0x31 : 0x32);
    item.u8(0);
    item.u32(0);                   // file size
    item.u32(0);                   // modified, as FAT date and time
    item.u16(folder ? attributeDirectory : attributeArchive);
    item.ansiz(asciiName(name));
    if (item.size() % 2) item.u8(0);
    const size_t extension = item.size();
    const std::u16string longName = utf16Of(name);
    item.u16(static_cast<unsigned>(2 + 2 + 4 + 4 + 4 + 2 + 2 + 2 * (longName.size() + 1) + 2));
    item.u16(3);  // extension version
    item.u32(0xBEEF0004);
    item.u32(0);  // created
    item.u32(0);  // accessed
    item.u16(0x14);
    item.u16(0);  // no localised name
    item.utf16z(longName);
    item.u16(static_cast<unsigned>(extension));
    std::string bytes = item.str();
    bytes[0] = static_cast<char>(bytes.size() & 0xFF);
    bytes[1] = static_cast<char>(bytes.size() >> 8);
    return bytes;
}

std::string idList(const std::string& path, bool folder) {
    Bytes list;
    list.u16(20);
    list.u8(0x1F);
    list.u8(0x50);
    list.raw(myComputerClsid, sizeof myComputerClsid);

    list.u16(25);
    list.u8(0x2F);
    const std::string drive = path.substr(0, 2) + "\\";
    list.raw(drive);
    list.zeros(22 - drive.size());

    // The names after "C:\".
    const std::vector<std::string_view> parts = pathParts(path.size() > 3 ? std::string_view(path).substr(3) : "");
    for (size_t i = 0; i < parts.size(); ++i) list.raw(fileItem(std::string(parts[i]), folder || i + 1 < parts.size()));
    list.u16(0);
    return list.str();
}

std::string linkInfo(const std::string& path, const std::string& ansiPath) {
    constexpr std::uint32_t headerSize = 0x24;
    constexpr std::uint32_t volumeIdSize = 0x11;
    Bytes info;
    info.u32(0);  // size, patched below
    info.u32(headerSize);
    info.u32(1);  // VolumeIDAndLocalBasePath
    info.u32(headerSize);
    const std::uint32_t basePath = headerSize + volumeIdSize;
    const std::uint32_t suffix = basePath + static_cast<std::uint32_t>(ansiPath.size()) + 1;
    const std::uint32_t basePathUnicode = suffix + 1;
    const std::u16string wide = utf16Of(path);
    const std::uint32_t suffixUnicode = basePathUnicode + static_cast<std::uint32_t>(2 * (wide.size() + 1));
    info.u32(basePath);
    info.u32(0);  // no network location
    info.u32(suffix);
    info.u32(basePathUnicode);
    info.u32(suffixUnicode);

    info.u32(volumeIdSize);
    info.u32(3);  // DRIVE_FIXED
    info.u32(0);  // serial number
    info.u32(0x10);
    info.u8(0);  // empty label

    info.ansiz(ansiPath);
    info.u8(0);  // empty common suffix
    info.utf16z(wide);
    info.u16(0);
    info.patch32(0, static_cast<std::uint32_t>(info.size()));
    return info.str();
}

}  // namespace

std::string shellLinkBytes(const std::string& targetPath, const std::string& ansiPath, const std::string& arguments,
                           bool targetIsFolder) {
    Bytes link;
    link.u32(0x4C);
    link.raw(linkClsid, sizeof linkClsid);
    link.u32(hasLinkTargetIdList | hasLinkInfo | isUnicode | (arguments.empty() ? 0 : hasArguments));
    link.u32(targetIsFolder ? attributeDirectory : attributeArchive);
    link.zeros(3 * 8);  // created, accessed, written
    link.u32(0);        // file size
    link.u32(0);        // icon index
    link.u32(1);        // SW_SHOWNORMAL
    link.u16(0);        // no hot key
    link.zeros(2 + 4 + 4);

    const std::string items = idList(targetPath, targetIsFolder);
    link.u16(static_cast<unsigned>(items.size()));
    link.raw(items);
    link.raw(linkInfo(targetPath, ansiPath));
    if (!arguments.empty()) {
        const std::u16string wide = utf16Of(arguments);
        link.u16(static_cast<unsigned>(wide.size()));
        link.utf16(wide);
    }
    link.u32(0);  // no extra data
    return link.str();
}

}  // namespace parcelo
