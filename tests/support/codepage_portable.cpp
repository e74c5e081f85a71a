#include "support/codepage_portable.h"

#include <iconv.h>

#include <stdexcept>

namespace parcelo {

class PortableCodepage::Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert to cp932");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false at the first byte it cannot convert, with
    // `in` left at that byte.
    bool convert(std::string_view& in, std::string& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // a fresh start after an earlier failure
        std::string buffer(in.size() * 3, '\0');  // a code page 932 byte is at most three UTF-8 bytes
        char* source = const_cast<char*>(in.data());
        size_t sourceLeft = in.size();
        char* target = buffer.data();
        size_t targetLeft = buffer.size();
        const size_t result = iconv(handle_, &source, &sourceLeft, &target, &targetLeft);
        out.append(buffer.data(), target);
        in.remove_prefix(in.size() - sourceLeft);
        return result != static_cast<size_t>(-1);
    }

private:
    iconv_t handle_;
};

PortableCodepage::PortableCodepage()
    : toAnsi_(std::make_unique<Converter>("CP932", "UTF-8")), fromAnsi_(std::make_unique<Converter>("UTF-8", "CP932")) {}

PortableCodepage::~PortableCodepage() = default;

std::optional<std::string> PortableCodepage::convertToAnsi(std::string_view utf8) {
    std::string out;
    if (!toAnsi_->convert(utf8, out)) return std::nullopt;
    return out;
}

std::string PortableCodepage::fromAnsi(std::string_view ansi) {
    std::string out;
    while (!fromAnsi_->convert(ansi, out)) {
        out += "\xEF\xBF\xBD";
        ansi.remove_prefix(1);
    }
    return out;
}

}  // namespace parcelo
