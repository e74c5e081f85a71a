#include <gtest/gtest.h>

#include "core/special_folders.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

class RefusingShell : public Shell {
public:
    std::string specialFolderPath(int) override { throw PlatformError(2, "not found"); }
    std::string executableFolder() override { return "C:\\"; }
    std::string executablePath() override { return "C:\\Parcelo.exe"; }
    std::string applicationDataFolder() override { return "C:\\"; }
    std::string commandLine() override { return "Parcelo.exe"; }
    VersionRecord versionRecord() override { return {}; }
    void open(const std::string&) override {}
    void run(const std::string&, const std::string&) override {}
};

TEST(SpecialFolderPath, AFailedLookupGivesEmptyText) {
    RefusingShell refusing;
    EXPECT_EQ(SpecialFolderPath(refusing, csidlSendTo), "");
}

}  // namespace
}  // namespace parcelo
