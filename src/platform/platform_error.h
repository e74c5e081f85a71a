#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace parcelo {

// How every platform operation reports failure: the system's error code and its message.
class PlatformError : public std::runtime_error {
public:
    PlatformError(std::uint32_t code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    std::uint32_t code() const noexcept { return code_; }

private:
    std::uint32_t code_;
};

// System error codes the core itself raises or tests for.
namespace error_code {
inline constexpr std::uint32_t fileNotFound = 2;
inline constexpr std::uint32_t pathNotFound = 3;
inline constexpr std::uint32_t accessDenied = 5;
inline constexpr std::uint32_t invalidDrive = 15;
inline constexpr std::uint32_t notReady = 21;
inline constexpr std::uint32_t diskFull = 112;
inline constexpr std::uint32_t invalidName = 123;
inline constexpr std::uint32_t alreadyExists = 183;
inline constexpr std::uint32_t noAssociation = 1155;
}  // namespace error_code

}  // namespace parcelo
