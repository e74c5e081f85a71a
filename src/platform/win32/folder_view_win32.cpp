#include "platform/win32/folder_view_win32.h"

#include "platform/win32/errors_win32.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/owners.h"

namespace parcelo::win32 {

using Microsoft::WRL::ComPtr;

Win32FolderView::Win32FolderView(Win32Form& form, const ControlDesign& design, HWND parent)
    : WindowControl(form, design) {
    // Until the view fills it, the place shows the empty background a folder view has.
    create(L"STATIC", SS_WHITERECT | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent);
}

Win32FolderView::~Win32FolderView() {
    if (browser_) browser_->Destroy();
}

// The shell's view is made once the window is on the screen: a launch that ends before showing it never
// loads the view, and a person sees the window without waiting for it.
void Win32FolderView::afterShowing() {
    if (shown_) return;
    shown_ = true;
    if (FAILED(CoCreateInstance(CLSID_ExplorerBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&browser_)))) {
        browser_.Reset();
        return;
    }
    RECT area{};
    GetClientRect(hwnd_, &area);
    FOLDERSETTINGS settings{FVM_DETAILS, FWF_NOWEBVIEW};
    if (FAILED(browser_->Initialize(hwnd_, &area, &settings))) {
        browser_.Reset();
        return;
    }
    browser_->SetOptions(EBO_NOBORDER | EBO_NOTRAVELLOG);
    // The path was parsed when it was given; a folder the shell then cannot show leaves the view empty.
    if (const UniqueIdList folder = std::move(pending_)) browser_->BrowseToIDList(folder.get(), SBSP_ABSOLUTE);
}

// A path the shell cannot parse fails here, when it is given; a view not made yet goes there when it is.
void Win32FolderView::navigate(const std::string& path) {
    if (shown_ && !browser_) throw errorFrom(ERROR_NOT_SUPPORTED, "フォルダ表示");
    ITEMIDLIST* parsed = nullptr;
    const HRESULT parsedResult = SHParseDisplayName(widen(path).c_str(), nullptr, &parsed, 0, nullptr);
    if (FAILED(parsedResult)) throw errorFrom(HRESULT_CODE(parsedResult), "表示 " + path);
    UniqueIdList folder(parsed);
    if (!browser_) {
        pending_ = std::move(folder);
        return;
    }
    const HRESULT browsed = browser_->BrowseToIDList(folder.get(), SBSP_ABSOLUTE);
    if (FAILED(browsed)) throw errorFrom(HRESULT_CODE(browsed), "表示 " + path);
}

void Win32FolderView::refresh() {
    if (!browser_) return;
    ComPtr<IShellView> view;
    if (SUCCEEDED(browser_->GetCurrentView(IID_PPV_ARGS(&view)))) view->Refresh();
}

bool Win32FolderView::translateKey(MSG& message) {
    if (!browser_ || !IsChild(hwnd_, message.hwnd)) return false;
    ComPtr<IInputObject> input;
    return SUCCEEDED(browser_.As(&input)) && input->TranslateAcceleratorIO(&message) == S_OK;
}

void Win32FolderView::takeFocus() {
    ComPtr<IShellView> view;
    if (browser_ && SUCCEEDED(browser_->GetCurrentView(IID_PPV_ARGS(&view)))) {
        view->UIActivate(SVUIA_ACTIVATE_FOCUS);
        HWND viewWindow = nullptr;
        if (SUCCEEDED(view->GetWindow(&viewWindow)) && viewWindow) {
            SetFocus(viewWindow);
            return;
        }
    }
    SetFocus(hwnd_);
}

void Win32FolderView::place() {
    ChildWindow::place();
    if (!browser_) return;
    RECT area{};
    GetClientRect(hwnd_, &area);
    browser_->SetRect(nullptr, area);
}

}  // namespace parcelo::win32
