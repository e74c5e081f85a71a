#pragma once
#include <string>
#include <vector>

namespace parcelo {

enum class Transfer { Copy, Move };

// The shell's own copy and move: its progress window, its questions when names clash, its undo.
class FileOperation {
public:
    virtual ~FileOperation() = default;
    // Copies or moves the items into the folder. Returns when they are there or the user called it
    // off; throws PlatformError when a step failed.
    virtual void transfer(Transfer transfer, const std::vector<std::string>& paths, const std::string& folder) = 0;
};

}  // namespace parcelo
