#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/platform_error.h"

namespace parcelo::test {

// Any file system whose n-th operation fails as it can on the system: a failing query finds nothing
// or says no, a failing write leaves the first half of its bytes behind (a disk that fills up
// part-way), the others throw PlatformError without touching anything.
class FaultyFileSystem : public FileSystem {
public:
    explicit FaultyFileSystem(FileSystem& inner) : inner_(inner) {}

    // The n-th operation from now on (1: the next one) fails; 0 injects nothing.
    void failOperation(int n) { failAt_ = n == 0 ? 0 : operations_ + n; }
    // The operations made so far.
    int operations() const { return operations_; }
    // Every path a write, replacement, new mark, removal or new folder touched or tried to, in order.
    std::vector<std::string> changed;

    FileAttributes attributes(const std::string& path) override {
        return fault() ? FileAttributes{} : inner_.attributes(path);
    }
    std::string readFile(const std::string& path) override {
        if (fault()) fail(path);
        return inner_.readFile(path);
    }
    void writeFile(const std::string& path, std::string_view bytes) override {
        if (!change(path)) return inner_.writeFile(path, bytes);
        inner_.writeFile(path, bytes.substr(0, bytes.size() / 2));
        fail(path);
    }
    void replaceFile(const std::string& from, const std::string& to) override {
        changed.push_back(from);
        if (change(to)) fail(to);
        inner_.replaceFile(from, to);
    }
    void setAttributes(const std::string& path, bool hidden, bool system) override {
        if (change(path)) fail(path);
        inner_.setAttributes(path, hidden, system);
    }
    void removeFile(const std::string& path) override {
        if (change(path)) fail(path);
        inner_.removeFile(path);
    }
    void createDirectory(const std::string& path) override {
        if (change(path)) fail(path);
        inner_.createDirectory(path);
    }
    bool canCreateFilesIn(const std::string& folder) override { return !fault() && inner_.canCreateFilesIn(folder); }

private:
    bool fault() { return ++operations_ == failAt_; }
    bool change(const std::string& path) {
        changed.push_back(path);
        return fault();
    }
    [[noreturn]] static void fail(const std::string& path) {
        throw PlatformError(error_code::diskFull, "ディスクに十分な空き領域がありません: " + path);
    }

    FileSystem& inner_;
    int operations_ = 0;
    int failAt_ = 0;
};

}  // namespace parcelo::test
