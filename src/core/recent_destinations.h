#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace parcelo {

inline constexpr size_t mostRecentDestinations = 10;

// The list from the file's bytes: UTF-8, one full path a line, most recent first. Bytes that are
// not such a list give an empty one; paths that name one folder twice are kept once.
std::vector<std::string> recentFromBytes(std::string_view bytes);
std::string recentBytes(const std::vector<std::string>& folders);

// The list with the folder first, and without it.
std::vector<std::string> withFirst(const std::vector<std::string>& folders, const std::string& folder);
std::vector<std::string> without(const std::vector<std::string>& folders, const std::string& folder);

// The folders lately copied or moved to, in a file of their own found where Data.ini is found.
// Neither reading nor writing ever complains: a list that cannot be read is empty, one that
// cannot be written is not kept.
class RecentDestinations {
public:
    explicit RecentDestinations(Platform& platform) : platform_(platform) {}
    std::vector<std::string> read() const;
    void write(const std::vector<std::string>& folders) const;

private:
    Platform& platform_;
};

}  // namespace parcelo
