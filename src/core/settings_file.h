#pragma once
#include <optional>
#include <string>

#include "core/settings_codec.h"
#include "platform/platform.h"

namespace parcelo {

// Where Data.ini lives: beside the executable, or in the user's application-data folder when
// the executable's folder cannot be written. Another file of the program's own is found by the
// same rule under its own name.
class SettingsStore {
public:
    explicit SettingsStore(Platform& platform, std::string fileName = "Data.ini")
        : platform_(platform), fileName_(std::move(fileName)) {}

    std::string besideExecutable() const;
    std::string inApplicationData() const;

    // The first of the two places that holds Data.ini as a plain file (not hidden, not system,
    // not a folder).
    std::optional<std::string> find() const;
    // Fills what the file gives; throws PlatformError when it cannot be read.
    void read(const std::string& path, SettingsRecord& record) const;
    // The place to write to: where the next start reads, or beside the executable when its folder
    // can be written, else the application-data folder, which it makes. Throws.
    std::string placeForWriting() const;

private:
    Platform& platform_;
    std::string fileName_;
};

}  // namespace parcelo
