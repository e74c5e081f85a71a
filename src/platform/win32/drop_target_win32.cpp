#include "platform/win32/drop_target_win32.h"

#include <shellapi.h>

#include <utility>

#include "platform/win32/callback_guard.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_messages.h"

namespace parcelo::win32 {
namespace {

FORMATETC fileList() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

std::vector<std::string> pathsIn(IDataObject* data) {
    std::vector<std::string> paths;
    FORMATETC format = fileList();
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return paths;
    if (const auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
            path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
            paths.push_back(narrow(path));
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return paths;
}

}  // namespace

FileDropTarget::FileDropTarget(HWND window, std::function<void(std::vector<std::string>)> dropped)
    : window_(window), dropped_(std::move(dropped)) {
    registered_ = SUCCEEDED(RegisterDragDrop(window_, this));
}

FileDropTarget::~FileDropTarget() {
    if (registered_) RevokeDragDrop(window_);
}

bool FileDropTarget::deliver(UINT message) {
    if (message != filesDroppedMessage) return false;
    dropped_(std::exchange(pending_, {}));
    return true;
}

HRESULT FileDropTarget::QueryInterface(REFIID id, void** object) {
    if (id == IID_IUnknown || id == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT FileDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = fileList();
    files_ = data && data->QueryGetData(&format) == S_OK;
    *effect = files_ ? DROPEFFECT_LINK : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT FileDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = files_ ? DROPEFFECT_LINK : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT FileDropTarget::DragLeave() {
    files_ = false;
    return S_OK;
}

HRESULT FileDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    files_ = false;
    // Nothing may leave a COM call.
    pending_ = guardCallback(std::vector<std::string>(), [&] { return pathsIn(data); });
    *effect = pending_.empty() ? DROPEFFECT_NONE : DROPEFFECT_LINK;
    if (!pending_.empty()) PostMessageW(window_, filesDroppedMessage, 0, 0);
    return S_OK;
}

}  // namespace parcelo::win32
