#pragma once
#include "platform/file_operation.h"

namespace parcelo::win32 {

// The shell's file operation, with its progress window, its questions and undo.
class Win32FileOperation : public FileOperation {
public:
    void transfer(Transfer transfer, const std::vector<std::string>& paths, const std::string& folder) override;
};

}  // namespace parcelo::win32
