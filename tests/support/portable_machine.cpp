#include "support/portable_machine.h"

#include <algorithm>
#include <fstream>
#include <random>

namespace parcelo::test {
namespace {

std::filesystem::path freshFolder() {
    std::random_device random;
    auto path = std::filesystem::temp_directory_path() / ("parcelo-test-" + std::to_string(random()));
    std::filesystem::create_directories(path / "C");
    std::filesystem::create_directories(path / "D");
    return path;
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

PortableMachine::PortableMachine()
    : root(freshFolder()),
      files({{'C', root / "C"}, {'D', root / "D"}}),
      shell(profile, programFolder),
      ui(faults),
      shortcuts(faults),
      folders(files),
      platform{faults, shell, codepage, user, ui, shortcuts, folderBrowser, folders} {
    makeFolder(programFolder);
    makeFolder(sendTo());
    makeFolder(shell.specialFolderPath(csidlPrograms));
}

PortableMachine::~PortableMachine() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

void PortableMachine::makeFolder(const std::string& path) { std::filesystem::create_directories(files.hostPath(path)); }

void PortableMachine::writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(files.hostPath(path), std::ios::binary) << bytes;
}

std::string PortableMachine::readBytes(const std::string& path) { return contents(files.hostPath(path)); }

std::map<std::string, std::string> PortableMachine::snapshot() {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        entries[entry.path().lexically_relative(root).string()] =
            entry.is_directory() ? "<folder>" : contents(entry.path());
    }
    return entries;
}

std::string PortableMachine::snapshotName(const std::string& path) const {
    return files.hostPath(path).lexically_relative(root).string();
}

Snapshot changes(const Snapshot& before, const Snapshot& after) {
    Snapshot changed;
    for (const auto& [name, content] : after)
        if (auto old = before.find(name); old == before.end() || old->second != content) changed[name] = content;
    for (const auto& [name, content] : before)
        if (!after.contains(name)) changed[name] = "<gone>";
    return changed;
}

frmMain& PortableMachine::start() {
    window = std::make_unique<frmMain>(platform, values);
    window->start();
    return *window;
}

std::vector<std::string> PortableMachine::entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(files.hostPath(folder)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool PortableMachine::exists(const std::string& path) { return std::filesystem::exists(files.hostPath(path)); }

}  // namespace parcelo::test
