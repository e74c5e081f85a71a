// Parcelo.exe against two minimal programs measured in the same run: one that opens one window, and one that
// asks for a name in an input box, shows one message box and ends. Measured: the start to the main window
// shown and the peak working set of the idle window, against the minimal window; a Send-To launch of one
// path with QuitAfterSend = 1 to its name prompt, against the minimal window shown, and to the end of the
// process, against the minimal input box's whole run; a submenu's launch to its popup menu, against the
// minimal window shown; the same on folders that real profiles hold (20 subfolders of 50 shortcuts each; 50
// shortcuts and two links back to the folder itself; one level of 2,000 shortcuts), and the entries dialog on 300
// shortcuts in Send To, from the command until every name is listed, each against the minimal window shown.
// The copy entry's launch with 20 paths to its menu of destinations, against the same.
// Prints the medians, the ratios and their goals.
// usage: parcelo_start_bench PARCELO_EXE MINIMAL_WINDOW_EXE MINIMAL_PROMPT_EXE LOOPING_FOLDER
// (LOOPING_FOLDER: an empty folder but for two links to itself)
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mainwindow/frmMain_design.h"
#include "platform/control_ids.h"
#include "platform/win32/owners.h"
#include "platform/win32/shortcut_writer_win32.h"
#include "platform/win32/wide.h"

namespace {

using parcelo::win32::UniqueHandle;
using Clock = std::chrono::steady_clock;

constexpr int rounds = 9;
constexpr auto patience = std::chrono::seconds(30);

[[noreturn]] void fail(const std::wstring& what) {
    std::fwprintf(stderr, L"start bench: %ls (error %lu)\n", what.c_str(), GetLastError());
    std::exit(1);
}

struct Process {
    UniqueHandle process;
    DWORD id = 0;
};

Process launch(const std::wstring& program, const std::vector<std::wstring>& arguments = {}) {
    std::wstring line = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) line.append(L" \"").append(argument).append(L"\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        fail(L"cannot start " + program);
    CloseHandle(started.hThread);
    return {UniqueHandle(started.hProcess), started.dwProcessId};
}

// The process's visible top-level window of this class (and caption, when given), polled until it shows.
HWND waitWindow(const Process& p, const wchar_t* windowClass, const wchar_t* caption = nullptr) {
    struct Search {
        DWORD id;
        const wchar_t* windowClass;
        const wchar_t* caption;
        HWND found;
    } search{p.id, windowClass, caption, nullptr};
    const auto deadline = Clock::now() + patience;
    while (!search.found) {
        EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(context);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                wchar_t name[256] = {}, text[256] = {};
                GetClassNameW(window, name, 256);
                GetWindowTextW(window, text, 256);
                if (owner != s.id || !IsWindowVisible(window) || wcscmp(name, s.windowClass) != 0 ||
                    (s.caption && wcscmp(text, s.caption) != 0))
                    return TRUE;
                s.found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (Clock::now() > deadline) fail(std::wstring(L"no window of class ") + windowClass);
        if (!search.found) Sleep(1);
    }
    return search.found;
}

void waitEnd(const Process& p) {
    if (WaitForSingleObject(p.process.get(), 30000) != WAIT_OBJECT_0) fail(L"the program did not end");
}

double since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the start to each step of a run; the last is the end of the process.
using Steps = std::vector<double>;

// The median of each step over the runs.
Steps medians(const std::vector<Steps>& runs) {
    Steps result;
    for (size_t step = 0; step < runs[0].size(); ++step) {
        std::vector<double> values;
        for (const Steps& run : runs) values.push_back(run[step]);
        result.push_back(median(values));
    }
    return result;
}

struct Program {
    std::wstring path;
    const wchar_t* windowClass;
};

struct StartRound {
    double shownMs;
    double peakWorkingSetMb;
};

// Started, its window shown, idle, then closed and waited for.
StartRound start(const Program& program) {
    const auto begin = Clock::now();
    const Process p = launch(program.path);
    const HWND window = waitWindow(p, program.windowClass);
    const double shown = since(begin);
    WaitForInputIdle(p.process.get(), 10000);
    PROCESS_MEMORY_COUNTERS memory{};
    if (!GetProcessMemoryInfo(p.process.get(), &memory, sizeof memory)) fail(L"no memory counters");
    PostMessageW(window, WM_CLOSE, 0, 0);
    waitEnd(p);
    return {shown, memory.PeakWorkingSetSize / (1024.0 * 1024.0)};
}

// The minimal window's run to its showing: started, shown, closed, ended.
double minimalWindowShown(const Program& minimal) {
    const auto begin = Clock::now();
    const Process p = launch(minimal.path);
    PostMessageW(waitWindow(p, minimal.windowClass), WM_CLOSE, 0, 0);
    const double shown = since(begin);
    waitEnd(p);
    return shown;
}

void press(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// A name typed into the program's prompt "作成", the box "Parcelo" confirmed, and the process's end: Parcelo
// sent one path, or the minimal input box, which asks and answers the same.
Steps promptRun(const std::wstring& program, const std::wstring& argument) {
    const auto begin = Clock::now();
    const Process p = launch(program, argument.empty() ? std::vector<std::wstring>{} : std::vector{argument});
    const HWND prompt = waitWindow(p, L"#32770", L"作成");
    const double prompted = since(begin);
    SendMessageW(GetDlgItem(prompt, 1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"bench"));
    press(prompt, IDOK);
    const HWND done = waitWindow(p, L"#32770", L"Parcelo");
    const double answered = since(begin);
    press(done, IDOK);
    waitEnd(p);
    return {prompted, answered, since(begin)};
}

// A launch that shows a popup menu ("/menu FOLDER PATH", "/copyto PATH..."): started, its menu shown, then
// called off with Esc.
double popupShown(const std::wstring& program, const std::vector<std::wstring>& arguments) {
    const auto begin = Clock::now();
    const Process p = launch(program, arguments);
    const HWND menu = waitWindow(p, L"#32768");
    const double shown = since(begin);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    waitEnd(p);
    return shown;
}

// The folder, made, with `count` copies of the shortcut in it.
void fillWithShortcuts(const std::wstring& folder, const std::wstring& shortcut, int count) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i)
        if (!CopyFileW(shortcut.c_str(), (folder + L"\\項目 " + std::to_wstring(i) + L".lnk").c_str(), FALSE))
            fail(L"cannot copy the shortcut into " + folder);
}

// The main window's command that opens the entries dialog.
WPARAM itemsCommand() {
    const auto& menu = parcelo::frmMainDesign.menu;
    for (size_t i = 0; i < menu.size(); ++i)
        if (menu[i].name == parcelo::frmMainNames::mnuItems) return static_cast<WPARAM>(parcelo::menuItemId(i));
    fail(L"no command for the entries dialog");
}

// Parcelo started and idle; from the command that opens the entries dialog until its list holds `count` rows.
double entriesListed(const Program& parcelo, LRESULT count) {
    const Process p = launch(parcelo.path);
    const HWND main = waitWindow(p, parcelo.windowClass);
    WaitForInputIdle(p.process.get(), 10000);
    const auto begin = Clock::now();
    PostMessageW(main, WM_COMMAND, itemsCommand(), 0);
    const HWND dialog = waitWindow(p, L"ParceloItems");
    const HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
    while (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) < count) {
        if (Clock::now() - begin > patience) fail(L"the entries dialog did not list every entry");
        Sleep(1);
    }
    const double listed = since(begin);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    while (IsWindow(dialog)) Sleep(1);
    PostMessageW(main, WM_CLOSE, 0, 0);
    waitEnd(p);
    return listed;
}

void writeDataIni(const std::wstring& folder, const std::wstring& target, int quitAfterSend) {
    char ansi[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, target.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    std::string record = "\"";
    record.append(ansi).append("\",\"\",7200,6045,2940,4500,0,").append(std::to_string(quitAfterSend)).append("\r\n");
    const UniqueHandle file(CreateFileW((folder + L"\\Data.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file.get() == INVALID_HANDLE_VALUE ||
        !WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr))
        fail(L"cannot write Data.ini");
}

void ratio(const char* what, const char* baseline, double baselineValue, double parcelo, const char* unit,
           double goal) {
    const double r = parcelo / baselineValue;
    std::printf("%s: %s %.1f %s, Parcelo %.1f %s, ratio %.2f, goal %.2f: %s\n", what, baseline, baselineValue, unit,
                parcelo, unit, r, goal, r <= goal ? "met" : "missed");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) fail(L"usage: parcelo_start_bench PARCELO_EXE MINIMAL_WINDOW_EXE MINIMAL_PROMPT_EXE LOOPING_FOLDER");
    wchar_t temp[MAX_PATH] = {}, sendTo[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_SENDTO | CSIDL_FLAG_CREATE, nullptr, 0, sendTo)))
        fail(L"no Send To folder");
    // Parcelo keeps Data.ini beside itself, so it runs from a folder of its own, with a program to send.
    const std::wstring work = std::wstring(temp) + L"parcelo-start-bench";
    CreateDirectoryW(work.c_str(), nullptr);
    const Program parcelo{work + L"\\Parcelo.exe", L"ParceloMain"};
    const Program minimal{work + L"\\minimal.exe", L"ParceloBenchMinimal"};
    const std::wstring minimalPrompt = work + L"\\minimal_prompt.exe";
    const std::wstring sent = work + L"\\app.exe";
    const std::wstring menu = work + L"\\menu";
    CreateDirectoryW(menu.c_str(), nullptr);
    if (!CopyFileW(argv[1], parcelo.path.c_str(), FALSE) || !CopyFileW(argv[2], minimal.path.c_str(), FALSE) ||
        !CopyFileW(argv[3], minimalPrompt.c_str(), FALSE) || !CopyFileW(argv[2], sent.c_str(), FALSE) ||
        !CopyFileW(argv[2], (menu + L"\\tool.exe").c_str(), FALSE))
        fail(L"cannot copy the programs");

    writeDataIni(work, sendTo, 0);
    start(minimal), start(parcelo);  // the first start of each loads what the later ones find cached
    std::vector<double> minimalShown, parceloShown, minimalPeak, parceloPeak;
    for (int i = 0; i < rounds; ++i) {
        const StartRound m = start(minimal), p = start(parcelo);
        minimalShown.push_back(m.shownMs), minimalPeak.push_back(m.peakWorkingSetMb);
        parceloShown.push_back(p.shownMs), parceloPeak.push_back(p.peakWorkingSetMb);
    }

    writeDataIni(work, sendTo, 1);
    promptRun(parcelo.path, sent), promptRun(minimalPrompt, {});
    std::vector<double> windowShown;
    std::vector<Steps> promptRuns, sendToRuns;
    for (int i = 0; i < rounds; ++i) {
        windowShown.push_back(minimalWindowShown(minimal));
        promptRuns.push_back(promptRun(minimalPrompt, {}));
        sendToRuns.push_back(promptRun(parcelo.path, sent));
    }
    const Steps m = medians(promptRuns), s = medians(sendToRuns);

    popupShown(parcelo.path, {L"/menu", menu, sent});
    std::vector<double> menuWindowShown, popups;
    for (int i = 0; i < rounds; ++i) {
        menuWindowShown.push_back(minimalWindowShown(minimal));
        popups.push_back(popupShown(parcelo.path, {L"/menu", menu, sent}));
    }

    // The copy entry sent 20 files.
    std::vector<std::wstring> copyTo{L"/copyto"};
    for (int i = 1; i <= 20; ++i) {
        copyTo.push_back(work + L"\\送る ファイル " + std::to_wstring(i) + L".txt");
        if (!CopyFileW(argv[2], copyTo.back().c_str(), FALSE)) fail(L"cannot copy " + copyTo.back());
    }
    popupShown(parcelo.path, copyTo);
    std::vector<double> copyWindowShown, copyPopups;
    for (int i = 0; i < rounds; ++i) {
        copyWindowShown.push_back(minimalWindowShown(minimal));
        copyPopups.push_back(popupShown(parcelo.path, copyTo));
    }

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring shortcut = work + L"\\tool.lnk", tree = work + L"\\tree", wide = work + L"\\wide";
    const std::wstring loop = argv[4];
    parcelo::win32::Win32ShortcutWriter().write(parcelo::win32::narrow(shortcut),
                                                parcelo::win32::narrow(menu + L"\\tool.exe"), "", "");
    CreateDirectoryW(tree.c_str(), nullptr);
    for (int i = 0; i < 20; ++i) fillWithShortcuts(tree + L"\\フォルダ " + std::to_wstring(i), shortcut, 50);
    fillWithShortcuts(loop, shortcut, 50);
    fillWithShortcuts(wide, shortcut, 2000);
    fillWithShortcuts(sendTo, shortcut, 300);
    popupShown(parcelo.path, {L"/menu", tree, sent}), entriesListed(parcelo, 300);
    std::vector<double> base, treePopups, loopPopups, widePopups, entries;
    for (int i = 0; i < rounds; ++i) {
        base.push_back(minimalWindowShown(minimal));
        treePopups.push_back(popupShown(parcelo.path, {L"/menu", tree, sent}));
        loopPopups.push_back(popupShown(parcelo.path, {L"/menu", loop, sent}));
        widePopups.push_back(popupShown(parcelo.path, {L"/menu", wide, sent}));
        entries.push_back(entriesListed(parcelo, 300));
    }

    for (int i = 0; i < 300; ++i)
        DeleteFileW((std::wstring(sendTo) + L"\\項目 " + std::to_wstring(i) + L".lnk").c_str());

    std::printf("medians of %d rounds each, the programs taking turns\n", rounds);
    ratio("start to window shown", "minimal window", median(minimalShown), median(parceloShown), "ms", 1.3);
    ratio("Send-To launch, QuitAfterSend = 1: start to name prompt shown", "minimal window shown", median(windowShown),
          s[0], "ms", 1.2);
    ratio("Send-To launch, start to end of process", "minimal input box and message box", m[2], s[2], "ms", 1.2);
    std::printf("  minimal input box: prompt %.1f ms, box %.1f ms, ended %.1f ms; "
                "Parcelo: name prompt %.1f ms, \"完了\" %.1f ms, ended %.1f ms\n",
                m[0], m[1], m[2], s[0], s[1], s[2]);
    ratio("submenu launch: start to popup menu shown", "minimal window shown", median(menuWindowShown),
          median(popups), "ms", 1.2);
    ratio("copy entry, 20 paths: start to popup menu shown", "minimal window shown", median(copyWindowShown),
          median(copyPopups), "ms", 1.2);
    ratio("submenu launch on 20 folders of 50 shortcuts: start to popup menu shown", "minimal window shown",
          median(base), median(treePopups), "ms", 1.2);
    ratio("submenu launch on 50 shortcuts and two links back: start to popup menu shown", "minimal window shown",
          median(base), median(loopPopups), "ms", 1.2);
    std::printf("submenu launch on one level of 2,000 shortcuts: start to popup menu shown %.1f ms "
                "(minimal window shown %.1f ms)\n", median(widePopups), median(base));
    ratio("entries dialog on 300 shortcuts: command to every name listed", "minimal window shown", median(base),
          median(entries), "ms", 1.2);
    ratio("peak working set, idle main window", "minimal window", median(minimalPeak), median(parceloPeak), "MB", 1.3);
    return 0;
}
