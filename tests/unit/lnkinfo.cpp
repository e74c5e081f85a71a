#include "lnkinfo.h"

#include <unistd.h>

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

}  // namespace parcelo::test
