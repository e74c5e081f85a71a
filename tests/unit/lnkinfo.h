#pragma once
#include <string>

namespace parcelo::test {

// Whether the independent reader of shortcut files (liblnk-utils) is installed.
bool haveLnkinfo();
// What that reader makes of the bytes: the lines of `lnkinfo`.
std::string lnkinfo(const std::string& bytes);
// The value of one "name: value" line of its output, or "<missing>".
std::string lnkinfoField(const std::string& output, const std::string& name);

// Where a shell link's blocks fail to fit together by their sizes (the header, the item-id list up to
// its terminator, the link info, the arguments, the empty extra-data block that ends the file); empty
// when they all do.
std::string linkLayoutFault(const std::string& link);

}  // namespace parcelo::test
