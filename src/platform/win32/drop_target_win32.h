#pragma once
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

namespace parcelo::win32 {

// The window's part in the shell's drag and drop: files dragged over it show the link pointer, and
// their paths, once dropped, go to `dropped` (called after the drop has returned, so the program
// they came from is not held up by what the window then asks).
class FileDropTarget : public IDropTarget {
public:
    FileDropTarget(HWND window, std::function<void(std::vector<std::string>)> dropped);
    ~FileDropTarget();
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    // The window's message that hands the paths on; true when it was this message.
    bool deliver(UINT message);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }   // lives as long as its window's form
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    HWND window_;
    std::function<void(std::vector<std::string>)> dropped_;
    bool files_ = false;  // what is dragged over the window holds files
    std::vector<std::string> pending_;
    bool registered_ = false;
};

}  // namespace parcelo::win32
