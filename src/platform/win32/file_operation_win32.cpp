#include "platform/win32/file_operation_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/errors_win32.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {

void Win32FileOperation::transfer(Transfer transfer, const std::vector<std::string>& paths, const std::string& folder) {
    std::wstring list;  // each path ends with a NUL, the list with one more
    for (const std::string& path : paths) list += widen(path) + L'\0';
    list += L'\0';
    const std::wstring destination = widen(folder) + L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = transfer == Transfer::Copy ? FO_COPY : FO_MOVE;
    operation.pFrom = list.c_str();
    operation.pTo = destination.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    const int failure = SHFileOperationW(&operation);
    // The user called it off, in the progress window or at a question: the shell has said all there is.
    if (operation.fAnyOperationsAborted) return;
    if (failure) throw errorFrom(static_cast<DWORD>(failure), transfer == Transfer::Copy ? "コピー" : "移動");
}

}  // namespace parcelo::win32
