#include "lnkinfo.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace parcelo::test {

bool haveLnkinfo() { return std::filesystem::exists("/usr/bin/lnkinfo"); }

std::string lnkinfo(const std::string& bytes) {
    const auto file = std::filesystem::temp_directory_path() / ("parcelo-lnk-" + std::to_string(::getpid()) + ".lnk");
    std::ofstream(file, std::ios::binary) << bytes;
    std::string output;
    if (FILE* pipe = popen(("lnkinfo '" + file.string() + "' 2>&1").c_str(), "r")) {
        char buffer[4096];
        while (size_t got = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
        pclose(pipe);
    }
    std::filesystem::remove(file);
    return output;
}

std::string lnkinfoField(const std::string& output, const std::string& name) {
    const size_t at = output.find("\t" + name);
    if (at == std::string::npos) return "<missing>";
    const size_t colon = output.find(": ", at);
    const size_t end = output.find('\n', colon);
    return output.substr(colon + 2, end - colon - 2);
}

std::string linkLayoutFault(const std::string& link) {
    const auto le16 = [&](size_t at) -> std::uint32_t {
        return at + 2 <= link.size() ? static_cast<unsigned char>(link[at]) | static_cast<unsigned char>(link[at + 1]) << 8
                                     : 0x10000;  // beyond the end: larger than any field
    };
    const auto le32 = [&](size_t at) { return le16(at) | le16(at + 2) << 16; };
    if (le32(0) != 0x4C) return "the header's size";
    const std::uint32_t flags = le32(0x14);
    size_t at = 0x4C;
    if (flags & 0x01) {
        const size_t end = at + 2 + le16(at);
        size_t item = at + 2;
        while (const std::uint32_t length = le16(item)) {
            item += length;
            if (item >= end) return "an item beyond the item-id list";
        }
        if (item + 2 != end) return "the item-id list's terminator";
        at = end;
    }
    if (flags & 0x02) {
        const std::uint32_t length = le32(at);
        if (length < 0x1C || at + length > link.size()) return "the link info's size";
        at += length;
    }
    if (flags & 0x20) at += 2 + 2 * size_t{le16(at)};
    if (le32(at) != 0 || at + 4 != link.size()) return "the closing extra-data block";
    return "";
}

}  // namespace parcelo::test
