// Finds Parcelo's windows from outside and works them as a person would, for the end-to-end scenarios.
// Usage: parcelo_driver [--desktop NAME] COMMAND ARGS...; exit 0 on success, else a message on stderr.
// A window is named by its caption or by its design ("frmOpt"); a control by its caption or by its name
// ("frmOpt.txtPath", "prompt.edit"); a menu item by its name ("frmMain.mnuVer"). Names are turned into the
// ids the program gives, by the program's own rule, from the designs it is built from.
#include <windows.h>
#include <shlobj.h>
#include <commctrl.h>
#include <wrl/client.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "about/frmAbout_design.h"
#include "items/frmItems_design.h"
#include "mainwindow/frmMain_design.h"
#include "options/frmOpt_design.h"
#include "platform/control_ids.h"
#include "platform/win32/resources/resource.h"

namespace {

using parcelo::FormDesign;

constexpr DWORD defaultTimeoutMs = 15000;

struct Failure {
    std::wstring message;
};

void write(DWORD stream, std::wstring_view text) {
    // UTF-8 bytes straight to the handle, so Japanese survives a pipe whatever the console's code page.
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

void printLine(std::wstring_view line) { write(STD_OUTPUT_HANDLE, std::wstring(line) + L"\n"); }

template <typename... Fields>
void printFields(const Fields&... fields) {
    std::wstring line;
    ((line += fields, line += L'\t'), ...);
    line.pop_back();
    printLine(line);
}

// Polls `probe` until it yields a value or the deadline passes.
template <typename Probe>
auto poll(DWORD timeoutMs, Probe probe) -> decltype(probe()) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (auto found = probe()) return found;
        if (GetTickCount64() >= deadline) return {};
        Sleep(50);
    }
}

std::wstring windowText(HWND window) {
    // WM_GETTEXT is marshalled across processes; GetWindowTextW would not see typed text.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), LPARAM(text.data()), SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

// Tabs and line breaks inside a text would break the tab-separated lines.
std::wstring escaped(std::wstring_view text) {
    std::wstring result;
    for (wchar_t c : text) {
        if (c == L'\t') result += L"\\t";
        else if (c == L'\n') result += L"\\n";
        else if (c == L'\r') result += L"\\r";
        else result += c;
    }
    return result;
}

std::wstring wide(std::string_view utf8) {
    std::wstring text(utf8.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), int(text.size())));
    return text;
}

const FormDesign* const designs[] = {&parcelo::frmMainDesign, &parcelo::frmOptDesign, &parcelo::frmAboutDesign,
                                     &parcelo::frmItemsDesign};

const FormDesign* designNamed(std::wstring_view name) {
    for (const FormDesign* design : designs)
        if (wide(design->name) == name) return design;
    return nullptr;
}

// The design a name such as "frmMain.cmdCr" belongs to, or null for any other text.
const FormDesign* designOf(std::wstring_view name) {
    const size_t dot = name.find(L'.');
    return dot == std::wstring_view::npos ? nullptr : designNamed(name.substr(0, dot));
}

// A control or menu command of a design and the id the program gives it.
struct NamedId {
    std::wstring name;  // "frmMain.cmdCr"
    int id;
    bool isControl;
    std::wstring container;  // a control's: the window's name or the containing control's
};

// Everything of a design that has an id of its own: controls and the menu items that are commands
// (no separators, no menu-bar entries that open a drop-down).
std::vector<NamedId> namedIds(const FormDesign& design) {
    const std::wstring form = wide(design.name);
    std::vector<NamedId> ids;
    for (const parcelo::ControlDesign& c : design.controls)
        ids.push_back({form + L'.' + wide(c.name), parcelo::controlId(c), true,
                       c.container.empty() ? form : form + L'.' + wide(c.container)});
    const auto& menu = design.menu;
    for (size_t i = 0; i < menu.size(); ++i) {
        const bool opensDropDown = menu[i].level == 1 && i + 1 < menu.size() && menu[i + 1].level == 2;
        if (menu[i].caption != "-" && !opensDropDown)
            ids.push_back({form + L'.' + wide(menu[i].name), parcelo::menuItemId(i), false, {}});
    }
    return ids;
}

// The one entry of the design with this name, or with this id; an id the design gives twice names nothing
// a test could rely on, and is refused.
template <typename Matches>
std::optional<NamedId> namedId(const FormDesign& design, Matches matches) {
    const std::vector<NamedId> ids = namedIds(design);
    const auto found = std::find_if(ids.begin(), ids.end(), matches);
    if (found == ids.end()) return std::nullopt;
    for (const NamedId& other : ids)
        if (other.id == found->id && other.name != found->name)
            throw Failure{found->name + L" and " + other.name + L" have the same id " + std::to_wstring(found->id)};
    return *found;
}

NamedId requireNamed(const std::wstring& name) {
    const FormDesign* design = designOf(name);
    const auto named = design ? namedId(*design, [&](const NamedId& n) { return n.name == name; }) : std::nullopt;
    if (!named) throw Failure{L"no control or menu command " + name + L" in the designs"};
    return *named;
}

// Controls of the boxes that have no design: Parcelo's prompt box and the system's dialogs.
struct BoxControl {
    std::wstring_view name;
    int id;
};
constexpr BoxControl boxControls[] = {
    {L"prompt.edit", IDC_PROMPT_EDIT},
    {L"open.fileName", 1148},  // the open-file dialog's file name box (cmb13)
    {L"browse.tree", 14145},   // the folder-browse dialog's tree, as on Windows
};

// A modal box shares its caption with its disabled owner ("Parcelo"): the enabled window wins.
// A design's name stands for its caption, on a window that is not a system box (class #32770).
std::optional<HWND> findTopLevel(const std::wstring& key) {
    const FormDesign* design = designNamed(key);
    struct Search {
        std::wstring caption;
        bool designed;
        HWND enabled = nullptr, disabled = nullptr;
    } search{design ? wide(design->caption) : key, design != nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            wchar_t text[512] = {};
            GetWindowTextW(window, text, 512);
            wchar_t className[256] = {};
            GetClassNameW(window, className, 256);
            if (!IsWindowVisible(window) || s.caption != text) return TRUE;
            if (s.designed && std::wstring_view(className) == L"#32770") return TRUE;
            if (!IsWindowEnabled(window)) {
                if (!s.disabled) s.disabled = window;
                return TRUE;
            }
            s.enabled = window;
            return FALSE;
        },
        LPARAM(&search));
    if (search.enabled) return search.enabled;
    if (search.disabled) return search.disabled;
    return std::nullopt;
}

HWND requireWindow(const std::wstring& caption, DWORD timeoutMs = defaultTimeoutMs) {
    if (auto window = poll(timeoutMs, [&] { return findTopLevel(caption); })) return *window;
    throw Failure{L"no visible window \"" + caption + L"\" within " + std::to_wstring(timeoutMs) + L" ms"};
}

int twips(int pixels, UINT dpi) { return MulDiv(pixels, 1440, int(dpi)); }

std::wstring twipsFields(const RECT& r, UINT dpi) {
    return std::to_wstring(twips(r.left, dpi)) + L'\t' + std::to_wstring(twips(r.top, dpi)) + L'\t' +
           std::to_wstring(twips(r.right - r.left, dpi)) + L'\t' + std::to_wstring(twips(r.bottom - r.top, dpi));
}

// The children at any depth, one a line: id, class, text, place and size in twips in the container, the
// container's id, and flags. In a window of a design, the design's controls show their names for ids,
// the window its design's name: "frmMain.cmdCr" in "frmMain.Picture1" in "frmMain".
void listChildren(HWND parent, const std::wstring& parentLabel, const FormDesign* design, UINT dpi) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
        wchar_t className[256] = {};
        GetClassNameW(child, className, 256);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const std::wstring flags{(style & WS_VISIBLE) ? L'V' : L'-', (style & WS_DISABLED) ? L'-' : L'E',
                                 (style & WS_TABSTOP) ? L'T' : L'-'};
        const int id = GetDlgCtrlID(child);
        std::wstring label = std::to_wstring(id);
        if (design) {
            const auto named = namedId(*design, [&](const NamedId& n) {
                return n.isControl && n.id == id && n.container == parentLabel;
            });
            if (named) label = named->name;
        }
        printFields(label, std::wstring(className), escaped(windowText(child)), twipsFields(r, dpi), parentLabel,
                    flags);
        listChildren(child, label, design, dpi);
    }
}

void listControls(HWND window, const std::wstring& windowKey) {
    const FormDesign* design = designNamed(windowKey);
    listChildren(window, design ? windowKey : L"0", design, GetDpiForWindow(window));
}

// Wine keeps menus in the process that made them, and a list view's texts live there too:
// window_probe.cpp reads them inside the window's thread, hooked in for one sent message, and leaves
// the lines in a mapping named after this process. A list view is named by `list`, the menu bar by null.
std::wstring probeLines(HWND window, HWND list) {
    constexpr DWORD mappingBytes = 1 << 20;
    const std::wstring name = L"ParceloWindowProbe." + std::to_wstring(GetCurrentProcessId());
    const HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, mappingBytes, name.c_str());
    auto* text = static_cast<const wchar_t*>(mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring probePath = std::wstring(self, wcsrchr(self, L'\\') + 1) + L"parcelo_window_probe.dll";
    const HMODULE probe = LoadLibraryW(probePath.c_str());
    const auto proc = probe ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "windowProbe"))) : nullptr;
    const HHOOK hook = proc ? SetWindowsHookExW(WH_CALLWNDPROC, proc, probe, GetWindowThreadProcessId(window, nullptr)) : nullptr;
    DWORD_PTR ignored = 0;
    const bool answered = hook && text &&
        SendMessageTimeoutW(window, RegisterWindowMessageW(L"ParceloWindowProbe"), GetCurrentProcessId(), LPARAM(list),
                            SMTO_ABORTIFHUNG, defaultTimeoutMs, &ignored);
    std::wstring lines = answered ? std::wstring(text) : std::wstring();
    if (hook) UnhookWindowsHookEx(hook);
    if (text) UnmapViewOfFile(text);
    if (mapping) CloseHandle(mapping);
    if (!answered) throw Failure{L"cannot look into the window (" + probePath + L")"};
    return lines;
}

std::wstring showState(HWND window) {
    if (IsIconic(window)) return L"minimized";
    if (IsZoomed(window)) return L"maximized";
    return L"normal";
}

// The first child, at any depth, that shows this text or has this id.
HWND findChild(HWND parent, const std::wstring& text, int id = 0) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (id ? GetDlgCtrlID(child) == id : windowText(child) == text) return child;
        if (HWND found = findChild(child, text, id)) return found;
    }
    return nullptr;
}

HWND findChildOfClass(HWND parent, const wchar_t* windowClass) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        if (!_wcsicmp(className, windowClass)) return child;
        if (HWND found = findChildOfClass(child, windowClass)) return found;
    }
    return nullptr;
}

// The edit field that takes typing: the control itself or, in a combo box, the field inside it.
HWND findEdit(HWND control) {
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    return _wcsicmp(className, L"Edit") ? findChildOfClass(control, L"Edit") : control;
}

long number(const std::wstring& text) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end) throw Failure{L"not a number: " + text};
    return value;
}

DWORD timeoutArg(const std::vector<std::wstring>& args, size_t index) {
    return args.size() > index ? DWORD(number(args[index])) : defaultTimeoutMs;
}

// A control by its name or, failing that, by its caption.
HWND findControl(HWND window, const std::wstring& key) {
    if (designOf(key)) {
        const NamedId control = requireNamed(key);
        if (!control.isControl) throw Failure{key + L" is a menu command, not a control"};
        // A design's control is the child with its id of its container: the window or a control of the design.
        const HWND parent = designOf(control.container) ? findControl(window, control.container) : window;
        return parent ? GetDlgItem(parent, control.id) : nullptr;
    }
    for (const BoxControl& box : boxControls)
        if (box.name == key) return findChild(window, {}, box.id);
    return findChild(window, key);
}

HWND requireChild(HWND window, const std::wstring& key) {
    if (HWND child = findControl(window, key)) return child;
    throw Failure{L"no control " + key + L" in the window"};
}

// A shortcut as the shell reads it, or a new one when no path is given.
Microsoft::WRL::ComPtr<IShellLinkW> loadedLink(const std::wstring& path) {
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&file)) || (!path.empty() && FAILED(file->Load(path.c_str(), STGM_READ))))
        throw Failure{L"cannot read the shortcut " + path};
    return link;
}

std::wstring linkTarget(const std::wstring& path) {
    wchar_t target[32768] = {};
    if (FAILED(loadedLink(path)->GetPath(target, 32768, nullptr, SLGP_RAWPATH)))
        throw Failure{L"cannot read the shortcut " + path};
    return target;
}

// Writes a shortcut as the shell writes one.
void makeLink(const std::wstring& path, const std::wstring& target, const std::wstring& arguments) {
    const auto link = loadedLink({});
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetArguments(arguments.c_str())) ||
        FAILED(link.As(&file)) || FAILED(file->Save(path.c_str(), TRUE)))
        throw Failure{L"cannot write the shortcut " + path};
}

// A drag that the mouse carries onto a point and lets go there, as a person drags files from Explorer.
class DragToPoint : public IDropSource {
public:
    explicit DragToPoint(POINT at) : at_(at) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropSource ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
        if (escape) return DRAGDROP_S_CANCEL;
        // A few moves over the point, so the window under it is entered and dragged over, then the drop.
        if (++moves_ < 4) {
            SetCursorPos(at_.x + moves_, at_.y);
            return S_OK;
        }
        return DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        effects_ |= effect;
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
    DWORD effects() const { return effects_; }

private:
    POINT at_;
    int moves_ = 0;
    DWORD effects_ = 0;
};

// The dragged files as Explorer offers them: a list of paths (CF_HDROP).
class DraggedFiles : public IDataObject {
public:
    explicit DraggedFiles(const std::vector<std::wstring>& paths) {
        for (const std::wstring& path : paths) list_ += path + L'\0';
        list_ += L'\0';
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDataObject ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        const size_t bytes = sizeof(DROPFILES) + list_.size() * sizeof(wchar_t);
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        memcpy(drop + 1, list_.data(), list_.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        FORMATETC list{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &list, formats) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::wstring list_;
};

// Drags the files onto the point of the window and drops them there; the effects the window offered.
DWORD dropFiles(HWND window, POINT at, const std::vector<std::wstring>& paths) {
    OleInitialize(nullptr);
    DraggedFiles data(paths);
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    DragToPoint source(at);
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK | DROPEFFECT_MOVE, &effect);
    return source.effects();
}

// Memory in another process, for the messages whose arguments point into the receiver's own memory.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t bytes) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        address_ = process_ ? VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE) : nullptr;
        if (!address_) throw Failure{L"cannot reach the memory of the window's process"};
    }
    ~RemoteBuffer() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void* address() const { return address_; }
    void write(const void* data, size_t bytes, size_t at = 0) {
        if (!WriteProcessMemory(process_, static_cast<char*>(address_) + at, data, bytes, nullptr))
            throw Failure{L"cannot write into the window's process"};
    }
    void read(void* data, size_t bytes, size_t at = 0) const {
        if (!ReadProcessMemory(process_, static_cast<const char*>(address_) + at, data, bytes, nullptr))
            throw Failure{L"cannot read from the window's process"};
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// The text of the selected item of a tree view in another process.
std::wstring selectedTreeItem(HWND tree) {
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return {};
    constexpr int textChars = 1024;
    RemoteBuffer remote(tree, sizeof(TVITEMW) + textChars * sizeof(wchar_t));
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.address()) + sizeof(TVITEMW));
    request.cchTextMax = textChars;
    remote.write(&request, sizeof request);
    if (!SendMessageW(tree, TVM_GETITEMW, 0, LPARAM(remote.address()))) return {};
    std::wstring text(textChars, L'\0');
    remote.read(text.data(), textChars * sizeof(wchar_t), sizeof(TVITEMW));
    text.resize(wcsnlen(text.c_str(), textChars));
    return text;
}

void need(const std::vector<std::wstring>& args, size_t count, const wchar_t* usage) {
    if (args.size() < count) throw Failure{std::wstring(L"usage: ") + usage};
}

void run(std::vector<std::wstring> args) {
    need(args, 1, L"parcelo_driver [--desktop NAME] COMMAND ARGS...");
    // "press frmOpt.cmdOK" is "press frmOpt frmOpt.cmdOK": a control's or menu item's name says its window.
    if (const FormDesign* design = args.size() > 1 ? designOf(args[1]) : nullptr)
        args.insert(args.begin() + 1, wide(design->name));
    const std::wstring& command = args[0];
    if (command == L"special-folder") {
        need(args, 2, L"special-folder CSIDL");
        PIDLIST_ABSOLUTE list = nullptr;
        wchar_t path[MAX_PATH] = {};
        const HRESULT hr = SHGetSpecialFolderLocation(nullptr, int(number(args[1])), &list);
        const bool ok = SUCCEEDED(hr) && SHGetPathFromIDListW(list, path);
        CoTaskMemFree(list);
        if (!ok) throw Failure{L"no path for special folder " + args[1]};
        printLine(path);
        return;
    }
    if (command == L"windows") {
        // The visible top-level windows: class and caption.
        EnumWindows(
            [](HWND window, LPARAM) -> BOOL {
                wchar_t className[256] = {};
                GetClassNameW(window, className, 256);
                if (IsWindowVisible(window)) printFields(std::wstring(className), escaped(windowText(window)));
                return TRUE;
            },
            0);
        return;
    }
    if (command == L"popup") {
        // The items of the popup menu that shows, one a line: level, text, "popup" or "command".
        const auto menu = poll(timeoutArg(args, 1), [] { return FindWindowW(L"#32768", nullptr); });
        if (!menu || !IsWindowVisible(menu)) throw Failure{L"no popup menu shows"};
        write(STD_OUTPUT_HANDLE, probeLines(menu, nullptr));
        return;
    }
    if (command == L"keys") {
        // Keys as the keyboard sends them, to whatever has the focus: "keys DOWN DOWN RETURN".
        for (size_t i = 1; i < args.size(); ++i) {
            const std::pair<std::wstring_view, WORD> names[] = {{L"DOWN", VK_DOWN},     {L"UP", VK_UP},
                                                               {L"RIGHT", VK_RIGHT},   {L"RETURN", VK_RETURN},
                                                               {L"ESCAPE", VK_ESCAPE}, {L"SPACE", VK_SPACE},
                                                               {L"DELETE", VK_DELETE}, {L"F2", VK_F2}};
            const auto key = std::find_if(std::begin(names), std::end(names), [&](auto& n) { return n.first == args[i]; });
            if (key == std::end(names)) throw Failure{L"no key " + args[i]};
            INPUT press[2] = {};
            press[0].type = press[1].type = INPUT_KEYBOARD;
            press[0].ki.wVk = press[1].ki.wVk = key->second;
            press[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, press, sizeof(INPUT));
            Sleep(100);
        }
        return;
    }
    if (command == L"class-count") {
        // Windows of this class on the desktop, hidden ones and children included.
        need(args, 2, L"class-count CLASS");
        struct Count {
            const std::wstring& windowClass;
            int found = 0;
            static void add(Count& count, HWND window) {
                wchar_t className[256] = {};
                GetClassNameW(window, className, 256);
                if (count.windowClass == className) ++count.found;
                for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    add(count, child);
            }
        } count{args[1]};
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                Count::add(*reinterpret_cast<Count*>(param), window);
                return TRUE;
            },
            LPARAM(&count));
        printLine(std::to_wstring(count.found));
        return;
    }
    need(args, 2, (command + L" CAPTION ...").c_str());
    const std::wstring& caption = args[1];
    if (command == L"resolve-link") {
        printLine(linkTarget(caption));
        return;
    }
    if (command == L"tree-selection") {
        // The item selected in a folder-browse dialog's tree.
        printLine(selectedTreeItem(requireChild(requireWindow(caption), L"browse.tree")));
        return;
    }
    if (command == L"make-link") {
        need(args, 3, L"make-link PATH TARGET [ARGUMENTS]");
        makeLink(caption, args[2], args.size() > 3 ? args[3] : L"");
        return;
    }
    if (command == L"hidden") {
        // 1 when the file or folder is marked hidden, else 0.
        const DWORD attributes = GetFileAttributesW(caption.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) throw Failure{L"no file " + caption};
        printLine(attributes & FILE_ATTRIBUTE_HIDDEN ? L"1" : L"0");
        return;
    }
    if (command == L"wait-text") {
        // A box is known by its caption and the text it shows; the listing of its controls is printed.
        need(args, 3, L"wait-text CAPTION TEXT [TIMEOUT]");
        const auto window = poll(timeoutArg(args, 3), [&]() -> std::optional<HWND> {
            const auto found = findTopLevel(caption);
            if (found && findChild(*found, args[2])) return found;
            return std::nullopt;
        });
        if (!window) throw Failure{L"no window \"" + caption + L"\" showing \"" + args[2] + L"\""};
        listControls(*window, caption);
        return;
    }
    if (command == L"wait-gone") {
        if (!poll(timeoutArg(args, 2), [&] { return !findTopLevel(caption); }))
            throw Failure{L"window \"" + caption + L"\" still there"};
        return;
    }
    if (command == L"wait-window") {
        wchar_t handle[32];
        swprintf(handle, 32, L"%p", static_cast<void*>(requireWindow(caption, timeoutArg(args, 2))));
        printLine(handle);
        return;
    }
    constexpr std::wstring_view windowCommands[] = {
        L"controls", L"dpi",      L"menu",     L"view-items", L"client",  L"move",  L"drag",    L"rect",        L"state",
        L"minimize", L"close",    L"set-text", L"press",      L"command", L"double-click", L"items", L"select-folder",
        L"checked", L"rows", L"check-row", L"select-rows", L"key", L"drop"};
    if (std::find(std::begin(windowCommands), std::end(windowCommands), command) == std::end(windowCommands))
        throw Failure{L"unknown command " + command};
    const HWND window = requireWindow(caption);
    const UINT dpi = GetDpiForWindow(window);
    if (command == L"controls") {
        listControls(window, caption);
    } else if (command == L"menu") {
        if (!GetMenu(window)) throw Failure{L"window \"" + caption + L"\" has no menu bar"};
        write(STD_OUTPUT_HANDLE, probeLines(window, nullptr));
    } else if (command == L"view-items") {
        // The names the shell's view inside the window shows, one a line.
        // The view fills its place just after the window shows.
        const HWND list = poll(defaultTimeoutMs, [&] { return findChildOfClass(window, L"SysListView32"); });
        if (!list) throw Failure{L"window \"" + caption + L"\" shows no folder view"};
        write(STD_OUTPUT_HANDLE, probeLines(window, list));
    } else if (command == L"drag") {
        // Where the window ends when the user leaves its frame there: the program may set it back.
        need(args, 6, L"drag CAPTION LEFT TOP WIDTH HEIGHT");
        const auto pixels = [&](size_t i) { return MulDiv(int(number(args[i])), int(dpi), 1440); };
        SetWindowPos(window, nullptr, pixels(2), pixels(3), pixels(4), pixels(5), SWP_NOZORDER | SWP_NOACTIVATE);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, defaultTimeoutMs, &ignored);
        RECT r;
        GetWindowRect(window, &r);
        printLine(twipsFields(r, dpi));
    } else if (command == L"double-click") {
        // On an entry of a list box, as the mouse does it.
        need(args, 4, L"double-click CAPTION LIST ENTRY");
        const HWND list = requireChild(window, args[2]);
        const auto index = SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(args[3].c_str()));
        if (index == LB_ERR) throw Failure{L"no entry \"" + args[3] + L"\" in " + args[2]};
        SendMessageW(list, LB_SETTOPINDEX, WPARAM(index), 0);
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, WPARAM(index), LPARAM(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            PostMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    } else if (command == L"client") {
        RECT r;
        GetClientRect(window, &r);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        printFields(std::to_wstring(twips(r.right, dpi)), std::to_wstring(twips(r.bottom, dpi)),
                    std::to_wstring(twips(origin.x, dpi)), std::to_wstring(twips(origin.y, dpi)));
    } else if (command == L"move") {
        need(args, 6, L"move CAPTION LEFT TOP WIDTH HEIGHT");
        const auto pixels = [&](size_t i) { return MulDiv(int(number(args[i])), int(dpi), 1440); };
        const RECT wanted{pixels(2), pixels(3), pixels(2) + pixels(4), pixels(3) + pixels(5)};
        SetWindowPos(window, nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (!poll(defaultTimeoutMs, [&] {
                RECT r;
                return GetWindowRect(window, &r) && EqualRect(&r, &wanted);
            }))
            throw Failure{L"window \"" + caption + L"\" did not move there"};
    } else if (command == L"rect") {
        RECT r;
        GetWindowRect(window, &r);
        printLine(twipsFields(r, dpi));
    } else if (command == L"dpi") {
        printLine(std::to_wstring(dpi));
    } else if (command == L"state") {
        printLine(showState(window));
    } else if (command == L"minimize") {
        PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        if (!poll(defaultTimeoutMs, [&] { return IsIconic(window) != FALSE; }))
            throw Failure{L"window \"" + caption + L"\" did not minimize"};
    } else if (command == L"set-text") {
        // What typing leaves in the box: its whole text replaced.
        need(args, 4, L"set-text CAPTION CONTROL TEXT");
        const HWND control = findEdit(requireChild(window, args[2]));
        if (!control) throw Failure{L"control " + args[2] + L" takes no typing"};
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(control, WM_SETTEXT, 0, LPARAM(args[3].c_str()), SMTO_ABORTIFHUNG, defaultTimeoutMs,
                            &ignored);
        if (windowText(control) != args[3]) throw Failure{L"control " + args[2] + L" did not take the text"};
    } else if (command == L"press") {
        // Posted, because the press may open a modal box that would keep a sent message from returning;
        // the scenario waits for what the press leads to.
        need(args, 3, L"press CAPTION BUTTON");
        PostMessageW(requireChild(window, args[2]), BM_CLICK, 0, 0);
    } else if (command == L"checked") {
        // 1 for a ticked check box or a selected option button, else 0.
        need(args, 3, L"checked CAPTION BUTTON");
        DWORD_PTR state = 0;
        SendMessageTimeoutW(requireChild(window, args[2]), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, defaultTimeoutMs, &state);
        printLine(state == BST_CHECKED ? L"1" : L"0");
    } else if (command == L"command") {
        need(args, 3, L"command WINDOW MENU-ITEM");
        const NamedId item = requireNamed(args[2]);
        if (item.isControl) throw Failure{args[2] + L" is a control, not a menu item"};
        PostMessageW(window, WM_COMMAND, WPARAM(item.id), 0);
    } else if (command == L"items") {
        // The entries of a list box, one a line.
        need(args, 3, L"items CAPTION CONTROL");
        const HWND list = requireChild(window, args[2]);
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring text(SendMessageW(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
            text.resize(SendMessageW(list, LB_GETTEXT, i, LPARAM(text.data())));
            printLine(escaped(text));
        }
    } else if (command == L"select-folder") {
        // What clicking through a folder-browse dialog's tree to the folder does: the dialog's own message,
        // with the path in the dialog's process. Prints the tree's selected item.
        need(args, 3, L"select-folder CAPTION PATH");
        const size_t bytes = (args[2].size() + 1) * sizeof(wchar_t);
        RemoteBuffer path(window, bytes);
        path.write(args[2].c_str(), bytes);
        const HWND tree = requireChild(window, L"browse.tree");
        // The dialog fills its tree after it shows, and selects nothing before.
        const auto selected = poll(defaultTimeoutMs, [&]() -> std::optional<std::wstring> {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(window, BFFM_SETSELECTIONW, TRUE, LPARAM(path.address()), SMTO_ABORTIFHUNG,
                                defaultTimeoutMs, &ignored);
            std::wstring text = selectedTreeItem(tree);
            if (text.empty()) return std::nullopt;
            return text;
        });
        if (!selected) throw Failure{L"the dialog selects nothing for " + args[2]};
        printLine(*selected);
    } else if (command == L"rows") {
        // A report list's rows, one a line: its columns' texts and "on" or "off" for its check box.
        need(args, 3, L"rows CAPTION LIST");
        write(STD_OUTPUT_HANDLE, probeLines(window, requireChild(window, args[2])));
    } else if (command == L"check-row" || command == L"select-rows") {
        // What a click on a row's check box does to its state, or on rows with Ctrl held.
        need(args, 4, L"check-row CAPTION LIST ROW on|off, or select-rows CAPTION LIST ROW...");
        const HWND list = requireChild(window, args[2]);
        RemoteBuffer remote(list, sizeof(LVITEMW));
        const bool check = command == L"check-row";
        LVITEMW item{};
        item.stateMask = check ? LVIS_STATEIMAGEMASK : LVIS_SELECTED;
        DWORD_PTR ignored = 0;
        if (!check) {
            remote.write(&item, sizeof item);
            SendMessageTimeoutW(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(remote.address()), SMTO_ABORTIFHUNG,
                                defaultTimeoutMs, &ignored);
        }
        for (size_t i = 3; i < (check ? 4 : args.size()); ++i) {
            item.state = check ? INDEXTOSTATEIMAGEMASK(args[4] == L"on" ? 2 : 1) : LVIS_SELECTED;
            remote.write(&item, sizeof item);
            SendMessageTimeoutW(list, LVM_SETITEMSTATE, WPARAM(number(args[i])), LPARAM(remote.address()),
                                SMTO_ABORTIFHUNG, defaultTimeoutMs, &ignored);
        }
    } else if (command == L"drop") {
        // Files dragged onto a control of the window and dropped there; prints "link" when the pointer
        // showed a link on the way.
        need(args, 4, L"drop CAPTION CONTROL PATH...");
        const HWND control = requireChild(window, args[2]);
        RECT r;
        GetWindowRect(control, &r);
        POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(window, &at);
        const DWORD effects = dropFiles(window, at, {args.begin() + 3, args.end()});
        printLine(effects & DROPEFFECT_LINK ? L"link" : L"no link");
    } else if (command == L"key") {
        // A key pressed in a control: "key frmItems.lvwItems DELETE" (DELETE or F2).
        need(args, 4, L"key CAPTION CONTROL DELETE|F2");
        const WORD key = args[3] == L"DELETE" ? VK_DELETE : args[3] == L"F2" ? VK_F2 : 0;
        if (!key) throw Failure{L"no key " + args[3]};
        const HWND control = requireChild(window, args[2]);
        PostMessageW(control, WM_KEYDOWN, key, 1);
        PostMessageW(control, WM_KEYUP, key, 0xC0000001);
    } else if (command == L"close") {
        // A minimized window gets WM_CLOSE, as from the taskbar; else the close box's SC_CLOSE.
        if (IsIconic(window)) PostMessageW(window, WM_CLOSE, 0, 0);
        else PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

// Windows of a program started with `explorer /desktop=NAME` live on that desktop only.
// The desktop exists only once explorer has started, so it is polled for like a window.
void joinDesktop(const std::wstring& name) {
    const HDESK desktop = poll(defaultTimeoutMs, [&] { return OpenDesktopW(name.c_str(), 0, FALSE, GENERIC_ALL); });
    if (!desktop || !SetThreadDesktop(desktop))
        throw Failure{L"cannot join desktop " + name + L" (error " + std::to_wstring(GetLastError()) + L")"};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + 1, argv + argc);
    try {
        SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        if (args.size() >= 2 && args[0] == L"--desktop") {
            joinDesktop(args[1]);
            args.erase(args.begin(), args.begin() + 2);
        }
        run(args);
        return 0;
    } catch (const Failure& failure) {
        write(STD_ERROR_HANDLE, L"parcelo_driver: " + failure.message + L"\n");
        return 1;
    }
}
