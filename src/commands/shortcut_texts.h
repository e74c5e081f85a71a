#pragma once

namespace parcelo {

// What both shortcut commands pass and ask: every shortcut goes into Send To, reached from Programs.
inline constexpr const char* sendToFromPrograms = "..\\..\\SendTo";
inline constexpr const char* shortcutNamePrompt = "ショートカット名を入力してください";

}  // namespace parcelo
