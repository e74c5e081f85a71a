#pragma once
#include <cstdint>
#include <string>

namespace parcelo {

// The settings that live for the whole process; Data.ini keeps them between runs.
struct ProgramValues {
    std::string TargetPath;
    std::string UserPath;
    std::uint8_t QuitAfterSend = 0;
};

}  // namespace parcelo
