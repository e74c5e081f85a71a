// Finds Parcelo's windows from outside and works them as a person would, for the end-to-end scenarios.
//
// parcelo_driver [--desktop NAME] COMMAND ARGS...: exit 0 on success, else a message on stderr.
// WINDOW is a visible top-level window, by its caption, its design's name ("frmOpt") or its class ("#32768",
// a popup menu); of two with one caption (a modal box and its disabled owner) the enabled one. CONTROL is a
// child at any depth, by its design's name ("frmOpt.txtPath"), its text or its class ("Edit", a box's first
// text box). A design's name in place of WINDOW says the window as well ("press frmOpt.cmdOK");
// a menu item goes by its design's name ("frmMain.mnuVer"). Each command waits up to 15 s for what it names.
//
//   windows                          the class of every window, at any depth, shown or hidden
//   window WINDOW                    the frame's left, top, width, height, the client area's the same (twips,
//                                    on the screen), dpi, and normal, minimized or maximized
//   controls WINDOW [TEXT]           once a control shows TEXT, each control: name, class, text, left, top,
//                                    width, height (twips, in the container), container, and flags:
//                                    V(isible), E(nabled), T(ab stop), C(hecked)
//   entries WINDOW [CONTROL]         a list's entries, one a line (a list view with check boxes: its columns
//                                    and on or off; a tree: its selection), or else the window's menu: level,
//                                    caption, popup or command
//   wait-gone WINDOW                 until no such window shows
//   press WINDOW CONTROL|MENU-ITEM   a click on a button, or a menu item chosen
//   set-text WINDOW CONTROL TEXT     the text box's text replaced, as typing leaves it
//   keys WINDOW [CONTROL] KEY...     DOWN, UP, RIGHT, HOME, SPACE, RETURN, ESCAPE or DELETE, pressed in the control or
//                                    else the window (a list view: HOME, DOWN select a row, SPACE ticks it)
//   select-folder WINDOW PATH        the folder chosen in a folder-browse dialog; prints its tree's selection
//                                    (the dialog fills its tree after it shows: until then, not the folder's)
//   drop WINDOW CONTROL PATH         a file dragged from Explorer and let go there; prints "link" or "no link",
//                                    the effect the drop ended with
//   move WINDOW LEFT TOP WIDTH HEIGHT  the frame left there by the user; prints where the program keeps it
//   minimize WINDOW, close WINDOW    the title bar's buttons (close, when minimized: from the taskbar)
//   make-link PATH TARGET [ARGUMENTS] a shortcut written as the shell writes one; no window needed
#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "about/frmAbout_design.h"
#include "items/frmItems_design.h"
#include "mainwindow/frmMain_design.h"
#include "options/frmOpt_design.h"
#include "platform/control_ids.h"

namespace {

using Microsoft::WRL::ComPtr;
using parcelo::FormDesign;
using Args = std::vector<std::wstring>;

constexpr DWORD timeoutMs = 15000;

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

template <typename... Fields>
void printFields(const Fields&... fields) {
    std::wstring line;
    ((line += fields, line += L'\t'), ...);
    line.back() = L'\n';
    write(STD_OUTPUT_HANDLE, line);
}

// Polls `probe` until it yields a value or the time is up.
template <typename Probe>
auto poll(Probe probe) -> decltype(probe()) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (auto found = probe()) return found;
        if (GetTickCount64() >= deadline) return {};
        Sleep(50);
    }
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
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

std::wstring wide(std::string_view utf8) {
    std::wstring text(utf8.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), int(text.size())));
    return text;
}

const FormDesign* designNamed(std::wstring_view name) {
    for (const FormDesign* design : {&parcelo::frmMainDesign, &parcelo::frmOptDesign, &parcelo::frmAboutDesign,
                                     &parcelo::frmItemsDesign})
        if (wide(design->name) == name) return design;
    return nullptr;
}

// The design a name such as "frmMain.cmdCr" belongs to, or null for any other text.
const FormDesign* designOf(std::wstring_view name) {
    const size_t dot = name.find(L'.');
    return dot == std::wstring_view::npos ? nullptr : designNamed(name.substr(0, dot));
}

// The id the program gives a menu item of a design ("frmMain.mnuVer"), or 0 for any other name.
int menuItemIdOf(std::wstring_view name) {
    const FormDesign* design = designOf(name);
    for (size_t i = 0; design && i < design->menu.size(); ++i)
        if (wide(design->name) + L'.' + wide(design->menu[i].name) == name) return parcelo::menuItemId(i);
    return 0;
}

// A child's name: in a window of a design, the design's control with its id in that container ("frmMain.cmdCr"
// in "frmMain.Picture1" in "frmMain"); else its id.
std::wstring childName(HWND child, const std::wstring& container, const FormDesign* design) {
    const int id = GetDlgCtrlID(child);
    const std::wstring form = design ? wide(design->name) : L"";
    for (const parcelo::ControlDesign& c : design ? design->controls : std::span<const parcelo::ControlDesign>())
        if (parcelo::controlId(c) == id && container == (c.container.empty() ? form : form + L'.' + wide(c.container)))
            return form + L'.' + wide(c.name);
    return std::to_wstring(id);
}

// Shows `visit` each child at any depth with its name and its container's, until it answers true.
template <typename Visit>
bool walk(HWND parent, const std::wstring& parentName, const FormDesign* design, Visit visit) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring name = childName(child, parentName, design);
        if (visit(child, name, parentName) || walk(child, name, design, visit)) return true;
    }
    return false;
}

// The container name of a window's own children: its design's name, or 0.
std::wstring rootName(const FormDesign* design) { return design ? wide(design->name) : L"0"; }

// The first child at any depth with this name of a design, text or class.
HWND findChild(HWND parent, const std::wstring& key) {
    const FormDesign* design = designOf(key);
    HWND found = nullptr;
    walk(parent, rootName(design), design, [&](HWND child, const std::wstring& name, const std::wstring&) {
        const bool named = design ? name == key : windowText(child) == key || className(child) == key;
        found = named ? child : nullptr;
        return named;
    });
    return found;
}

// The visible top-level window the key names, showing the text in a control when one is given.
HWND findWindow(const std::wstring& key, const std::wstring& text) {
    const FormDesign* design = designNamed(key);
    const std::wstring name = design ? wide(design->caption) : key;
    HWND disabled = nullptr;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        const std::wstring kind = className(window);
        wchar_t caption[512] = {};
        GetWindowTextW(window, caption, 512);  // a top-level window's caption, without a message
        // A design's caption is never a system box's (class #32770).
        if (!IsWindowVisible(window) || (caption != name && kind != name) || (design && kind == L"#32770") ||
            (!text.empty() && !findChild(window, text)))
            continue;
        if (IsWindowEnabled(window)) return window;
        if (!disabled) disabled = window;
    }
    return disabled;
}

HWND requireWindow(const std::wstring& key, const std::wstring& text = {}) {
    if (HWND window = poll([&] { return findWindow(key, text); })) return window;
    throw Failure{L"no window \"" + key + (text.empty() ? L"\"" : L"\" showing \"" + text + L"\"")};
}

HWND requireChild(HWND window, const std::wstring& key) {
    if (HWND child = poll([&] { return findChild(window, key); })) return child;
    throw Failure{L"no control " + key + L" in the window"};
}

int twips(int pixels, UINT dpi) { return MulDiv(pixels, 1440, int(dpi)); }

std::wstring twipsFields(const RECT& r, UINT dpi) {
    return std::to_wstring(twips(r.left, dpi)) + L'\t' + std::to_wstring(twips(r.top, dpi)) + L'\t' +
           std::to_wstring(twips(r.right - r.left, dpi)) + L'\t' + std::to_wstring(twips(r.bottom - r.top, dpi));
}

// The children at any depth, one a line, by their names (the window itself goes by its design's name, or 0).
void listChildren(HWND window, const FormDesign* design, UINT dpi) {
    walk(window, rootName(design), design, [&](HWND child, const std::wstring& name, const std::wstring& container) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
        const std::wstring kind = className(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        DWORD_PTR check = 0;
        if (kind == L"Button") SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &check);
        const std::wstring flags{(style & WS_VISIBLE) ? L'V' : L'-', (style & WS_DISABLED) ? L'-' : L'E',
                                 (style & WS_TABSTOP) ? L'T' : L'-', check == BST_CHECKED ? L'C' : L'-'};
        printFields(name, kind, windowText(child), twipsFields(r, dpi), container, flags);
        return false;
    });
}

// Asks window_probe.cpp, hooked into the thread of the window for one message sent to it, to do there what
// only that thread can; the request and the answer pass through a mapping named after this process.
std::wstring probe(HWND window, const std::wstring& request) {
    constexpr DWORD mappingBytes = 1 << 20;
    const std::wstring name = L"ParceloWindowProbe." + std::to_wstring(GetCurrentProcessId());
    const HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, mappingBytes, name.c_str());
    auto* text = static_cast<wchar_t*>(mapping ? MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0) : nullptr);
    if (text) wcsncpy(text, request.c_str(), mappingBytes / sizeof(wchar_t));
    // Found beside the driver, the first place searched; the hook takes its full path into the program.
    const HMODULE module = LoadLibraryW(L"parcelo_window_probe.dll");
    const auto proc = module ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, "windowProbe"))) : nullptr;
    const HHOOK hook = proc ? SetWindowsHookExW(WH_CALLWNDPROC, proc, module, GetWindowThreadProcessId(window, nullptr)) : nullptr;
    DWORD_PTR ignored = 0;
    const bool answered = hook && text &&
        SendMessageTimeoutW(window, RegisterWindowMessageW(L"ParceloWindowProbe"), GetCurrentProcessId(), mappingBytes,
                            SMTO_ABORTIFHUNG, timeoutMs, &ignored);
    std::wstring answer = answered ? std::wstring(text) : std::wstring();
    if (hook) UnhookWindowsHookEx(hook);
    if (text) UnmapViewOfFile(text);
    if (mapping) CloseHandle(mapping);
    if (!answered) throw Failure{L"cannot look into the window (parcelo_window_probe.dll)"};
    return answer;
}

std::optional<WORD> keyCode(std::wstring_view name) {
    constexpr std::pair<std::wstring_view, WORD> keys[] = {
        {L"DOWN", VK_DOWN},     {L"UP", VK_UP},         {L"RIGHT", VK_RIGHT}, {L"HOME", VK_HOME},
        {L"SPACE", VK_SPACE},   {L"RETURN", VK_RETURN}, {L"ESCAPE", VK_ESCAPE}, {L"DELETE", VK_DELETE}};
    for (const auto& [key, code] : keys)
        if (key == name) return code;
    return std::nullopt;
}

// A shortcut written as the shell writes one.
void makeLink(const std::wstring& path, const std::wstring& target, const std::wstring& arguments) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link->SetPath(target.c_str())) || FAILED(link->SetArguments(arguments.c_str())) ||
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
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    POINT at_;
    int moves_ = 0;
};

// Drags the file onto the middle of the control: the data the shell offers for it, as Explorer drags it.
// The effect the drop ends with, which the pointer showed on the way (a drop shown as none does not happen).
DWORD dropFile(HWND control, const std::wstring& path) {
    OleInitialize(nullptr);
    ComPtr<IShellItem> item;
    ComPtr<IDataObject> data;
    if (FAILED(SHCreateItemFromParsingName(path.c_str(), nullptr, IID_PPV_ARGS(&item))) ||
        FAILED(item->BindToHandler(nullptr, BHID_DataObject, IID_PPV_ARGS(&data))))
        throw Failure{L"the shell offers no data for " + path};
    RECT r;
    GetWindowRect(control, &r);
    DragToPoint source({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data.Get(), &source, DROPEFFECT_COPY | DROPEFFECT_LINK | DROPEFFECT_MOVE, &effect);
    return effect;
}

// The commands that need no window.
bool runSystemCommand(const Args& args) {
    const std::wstring& command = args.at(0);
    if (command == L"windows") {
        for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
            printFields(className(window));
            walk(window, L"0", nullptr, [](HWND child, auto&, auto&) {
                printFields(className(child));
                return false;
            });
        }
    } else if (command == L"make-link") {
        makeLink(args.at(1), args.at(2), args.size() > 3 ? args[3] : L"");
    } else {
        return false;
    }
    return true;
}

void runWindowCommand(const Args& args) {
    const std::wstring& command = args.at(0);
    if (command == L"wait-gone") {
        if (!poll([&] { return !findWindow(args.at(1), {}); })) throw Failure{L"window \"" + args.at(1) + L"\" still there"};
        return;
    }
    const HWND window = requireWindow(args.at(1), command == L"controls" && args.size() > 2 ? args[2] : L"");
    const UINT dpi = GetDpiForWindow(window);
    const auto pixels = [&](size_t i) { return MulDiv(std::stoi(args.at(i)), int(dpi), 1440); };
    DWORD_PTR ignored = 0;
    if (command == L"window") {
        RECT frame, client;
        GetWindowRect(window, &frame);
        GetClientRect(window, &client);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        const std::wstring state = IsIconic(window) ? L"minimized" : IsZoomed(window) ? L"maximized" : L"normal";
        printFields(twipsFields(frame, dpi), twipsFields({origin.x, origin.y, origin.x + client.right, origin.y + client.bottom}, dpi),
                    std::to_wstring(dpi), state);
    } else if (command == L"controls") {
        listChildren(window, designNamed(args.at(1)), dpi);
    } else if (command == L"entries") {
        write(STD_OUTPUT_HANDLE, probe(args.size() > 2 ? requireChild(window, args[2]) : window, L""));
    } else if (command == L"press") {
        // Posted, for the press may open a modal box, which would keep a sent message from returning.
        if (const int id = menuItemIdOf(args.at(2))) PostMessageW(window, WM_COMMAND, WPARAM(id), 0);
        else PostMessageW(requireChild(window, args.at(2)), BM_CLICK, 0, 0);
    } else if (command == L"set-text") {
        const HWND edit = requireChild(window, args.at(2));
        SendMessageTimeoutW(edit, WM_SETTEXT, 0, LPARAM(args.at(3).c_str()), SMTO_ABORTIFHUNG, timeoutMs, &ignored);
        if (windowText(edit) != args.at(3)) throw Failure{L"control " + args.at(2) + L" did not take the text"};
    } else if (command == L"keys") {
        const bool inControl = !keyCode(args.at(2));
        const HWND target = inControl ? requireChild(window, args.at(2)) : window;
        for (size_t i = inControl ? 3 : 2; i < args.size(); ++i) {
            const std::optional<WORD> key = keyCode(args[i]);
            if (!key) throw Failure{L"no key " + args[i]};
            PostMessageW(target, WM_KEYDOWN, *key, 1);
            PostMessageW(target, WM_KEYUP, *key, 0xC0000001);
        }
    } else if (command == L"select-folder") {
        printFields(probe(window, args.at(2)));
    } else if (command == L"drop") {
        printFields(std::wstring(dropFile(requireChild(window, args.at(2)), args.at(3)) & DROPEFFECT_LINK ? L"link" : L"no link"));
    } else if (command == L"move") {
        SetWindowPos(window, nullptr, pixels(2), pixels(3), pixels(4), pixels(5), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored);
        RECT r;
        GetWindowRect(window, &r);
        printFields(twipsFields(r, dpi));
    } else if (command == L"minimize") {
        PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        if (!poll([&] { return IsIconic(window) != FALSE; })) throw Failure{L"window \"" + args.at(1) + L"\" did not minimize"};
    } else if (command == L"close") {
        if (IsIconic(window)) PostMessageW(window, WM_CLOSE, 0, 0);
        else PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        throw Failure{L"unknown command " + command + L" (see driver.cpp)"};
    }
}

// Windows of a program started with `explorer /desktop=NAME` live on that desktop only.
// The desktop exists only once explorer has started, so it is polled for like a window.
void joinDesktop(const std::wstring& name) {
    const HDESK desktop = poll([&] { return OpenDesktopW(name.c_str(), 0, FALSE, GENERIC_ALL); });
    if (!desktop || !SetThreadDesktop(desktop))
        throw Failure{L"cannot join desktop " + name + L" (error " + std::to_wstring(GetLastError()) + L")"};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Args args(argv + 1, argv + argc);
    try {
        SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        if (args.size() >= 2 && args[0] == L"--desktop") {
            joinDesktop(args[1]);
            args.erase(args.begin(), args.begin() + 2);
        }
        // "press frmOpt.cmdOK" is "press frmOpt frmOpt.cmdOK".
        if (const FormDesign* design = args.size() > 1 ? designOf(args[1]) : nullptr)
            args.insert(args.begin() + 1, wide(design->name));
        if (!runSystemCommand(args)) runWindowCommand(args);
        return 0;
    } catch (const Failure& failure) {
        write(STD_ERROR_HANDLE, L"parcelo_driver: " + failure.message + L"\n");
    } catch (const std::logic_error&) {
        write(STD_ERROR_HANDLE, L"parcelo_driver: too few arguments or not a number (see driver.cpp)\n");
    }
    return 1;
}
