#include <gtest/gtest.h>

#include "cascade/cascade.h"
#include "core/command_line.h"
#include "support/portable_machine.h"

namespace parcelo {
namespace {

using Arguments = std::vector<std::string>;

TEST(SplitArguments, FollowsTheSystemsRules) {
    const std::pair<const char*, Arguments> cases[] = {
        {"   \t ", {}},
        {R"(a"b c"d)", {"ab cd"}},
        {R"(a "" b)", {"a", "", "b"}},
        {R"("C:\dir\\" next)", {R"(C:\dir\)", "next"}},
        {R"(a\\\\\"b)", {R"(a\\"b)"}},
        {R"("a"""b c")", {R"(a"b c)"}},
    };
    for (const auto& [text, arguments] : cases) EXPECT_EQ(splitArguments(text), arguments) << text;
}

// The launch's command line as the program reads it: its own name, then "/menu" only as the first argument.
TEST(CascadeRequest, MenuCountsOnlyAsTheFirstArgumentAfterTheProgramsOwnName) {
    using Request = std::optional<std::pair<std::string, Arguments>>;  // folder and paths
    const std::pair<const char*, Request> cases[] = {
        {R"("C:\Program Files\Parcelo\Parcelo.exe" /menu "C:\S T\サブ" C:\a.txt "C:\b c.txt")",
         {{"C:\\S T\\サブ", {"C:\\a.txt", "C:\\b c.txt"}}}},
        {R"(C:\Tools\Parcelo.exe /MENU C:\x)", {{"C:\\x", {}}}},
        {R"("C:\P q\Parcelo.exe"/menu)", {{"", {}}}},
        {R"(Parcelo.exe C:\a.txt /menu C:\x)", std::nullopt},
        {R"(Parcelo.exe /menus C:\x)", std::nullopt},
        {"Parcelo.exe", std::nullopt},
    };
    for (const auto& [line, expected] : cases) {
        const std::optional<CascadeRequest> request = cascadeRequest(splitArguments(argumentText(line)));
        EXPECT_EQ((request ? Request{{request->folder, request->paths}} : std::nullopt), expected) << line;
    }
    EXPECT_EQ(argumentText("Parcelo.exe    "), "") << "blanks after the name are no paths to send";
}

TEST(ArgumentsWithPaths, AreTheShortcutsOwnThenEachPathQuoted) {
    EXPECT_EQ(argumentsWithPaths("/new", {"C:\\x", "C:\\a b"}), "/new \"C:\\x\" \"C:\\a b\"");
}

class Cascade : public testing::Test {
protected:
    Cascade() {
        machine.makeFolder(folder + "\\B 10\\空");
        machine.makeFolder(folder + "\\A");
        machine.makeFolder(folder + "\\隠し");
        machine.files.mark(folder + "\\隠し", true, false, false);
        machine.shortcuts.write(folder + "\\エディタ.lnk", "C:\\Apps\\edit.exe", "/new", "");
        machine.shortcuts.write(folder + "\\B 10\\中.lnk", "C:\\Apps\\edit.exe", "", "");
        machine.writeBytes(folder + "\\0 メモ.txt", "");
    }
    void run(std::vector<std::string> paths, std::optional<std::string> choice) {
        machine.user.chosenItems.push_back(choice);
        runCascade(machine.platform, {folder, std::move(paths)});
    }
    test::PortableMachine machine;
    const std::string folder = machine.sendTo() + "\\サブ";
    PopupItem item(const std::string& name, const std::string& text, int submenu = 0) {
        return {text, folder + "\\" + name, true, submenu};
    }
};

TEST_F(Cascade, EachSubmenuIsReadWhenItOpensAndALinkBackUpIsCutAtItsSecondVisit) {
    // 輪 leads back to the top folder.
    std::filesystem::create_directory_symlink(machine.files.hostPath(folder),
                                              machine.files.hostPath(folder + "\\B 10\\輪"));
    machine.folders.unreadable = {folder + "\\A"};
    machine.user.opened = {"B 10", "輪"};
    run({"C:\\x.txt"}, std::nullopt);
    machine.user.opened = {"A"};
    run({"C:\\x.txt"}, std::nullopt);
    const PopupItem empty{"(空)", "", false, 0};
    const std::vector<PopupItem> top = {item("A", "A", 1), item("B 10", "B 10", 2), item("0 メモ.txt", "0 メモ.txt"),
                                        item("エディタ.lnk", "エディタ")};
    const std::vector<PopupItem> b10 = {item("B 10\\空", "空", 3), item("B 10\\輪", "輪", 4), item("B 10\\中.lnk", "中")};
    EXPECT_EQ(machine.user.menus, (std::vector<std::vector<PopupItem>>{top, b10, {empty}, top, {empty}}));
    // Only what was opened was read, and 輪 not even then.
    EXPECT_EQ(machine.folders.listed, (std::vector<std::string>{folder, folder + "\\B 10", folder, folder + "\\A"}));
    EXPECT_TRUE(machine.user.shown.empty());  // Esc sends nowhere
}

TEST_F(Cascade, AFolderThatIsNotThereOrAnEntryThatCannotTakeThePathsIsToldInOneBox) {
    runCascade(machine.platform, {folder + "\\無い", {"C:\\x"}});
    EXPECT_TRUE(machine.user.menus.empty());
    run({"C:\\x"}, folder + "\\0 メモ.txt");  // neither a drop target nor a shortcut
    machine.shell.refuseToRun = true;
    run({"C:\\x"}, folder + "\\エディタ.lnk");
    const auto error = [](const std::string& text) { return ShownBox{text, "Parcelo", box::ok | box::iconError}; };
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{
                                      error("フォルダが見つかりません。\n" + folder + "\\無い"),
                                      error("「0 メモ.txt」に送れませんでした。\n\nショートカットとして読めないファイルです: " +
                                            folder + "\\0 メモ.txt"),
                                      error("「エディタ.lnk」に送れませんでした。\n\n指定されたファイルが見つかりません。 C:\\Apps\\edit.exe"),
                                  }));
}

}  // namespace
}  // namespace parcelo
