#include "platform/portable/shortcut_writer_portable.h"

#include <algorithm>

#include "core/utf8.h"
#include "platform/portable/lnk_file.h"

namespace parcelo {

void PortableShortcutWriter::write(const std::string& file, const std::string& target, const std::string& arguments,
                                   const std::string& iconOf, std::optional<int> iconIndex) {
    if (iconIndex) iconsAskedFor.push_back(iconOf + "," + std::to_string(*iconIndex));
    // The 8-bit copy of the path is what older readers show; "?" stands in where cp932 has no
    // character, as the system's own conversion does.
    const std::optional<std::string> whole = codepage_.toAnsi(target);
    std::string ansi = whole.value_or("");
    for (size_t i = 0; !whole && i < target.size();) {
        const size_t length = std::max<size_t>(1, utf8SequenceLength(std::string_view(target).substr(i)));
        ansi += codepage_.toAnsi(target.substr(i, length)).value_or("?");
        i += length;
    }
    files_.writeFile(file, shellLinkBytes(target, ansi, arguments, files_.attributes(target).directory));
}

}  // namespace parcelo
