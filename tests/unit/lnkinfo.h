#pragma once
#include <string>

namespace parcelo::test {

// Whether the independent reader of shortcut files (liblnk-utils) is installed.
bool haveLnkinfo();
// What that reader makes of the bytes: the lines of `lnkinfo`.
std::string lnkinfo(const std::string& bytes);
// The value of one "name: value" line of its output, or "<missing>".
std::string lnkinfoField(const std::string& output, const std::string& name);

}  // namespace parcelo::test
