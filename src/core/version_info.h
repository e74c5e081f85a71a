#ifndef PARCELO_CORE_VERSION_INFO_H
#define PARCELO_CORE_VERSION_INFO_H
// The program's version record, in one place: Parcelo.rc builds the executable's VERSIONINFO from it
// and the portable build compiles the same values in. Plain #defines, one narrow UTF-8 literal each,
// and an include guard rather than #pragma once, because windres and rc.exe read this file too.

// The resource compilers would read the UTF-8 text below in some other code page without this.
#ifdef RC_INVOKED
#pragma code_page(65001)
#endif

// A new version is these three numbers; every text below is made from them.
#define PARCELO_VERSION_MAJOR 0
#define PARCELO_VERSION_MINOR 2
#define PARCELO_VERSION_REVISION 4

#define PARCELO_COMPANY "Quorval"
#define PARCELO_PRODUCT "Parcelo"
#define PARCELO_DESCRIPTION "本体"
#define PARCELO_COPYRIGHT "Copyright (C) 2026 Quorval"
#define PARCELO_INTERNAL_NAME "Parcelo"
#define PARCELO_ORIGINAL_FILENAME "Parcelo.exe"

#define PARCELO_STRING_(x) #x
#define PARCELO_STRING(x) PARCELO_STRING_(x)
#define PARCELO_PASTE_(a, b) a##b
#define PARCELO_PASTE(a, b) PARCELO_PASTE_(a, b)

// The file version text spells the minor number in two digits and the revision in four: "0.02.0004".
#if PARCELO_VERSION_MINOR < 10
#define PARCELO_MINOR_DIGITS PARCELO_PASTE(0, PARCELO_VERSION_MINOR)
#else
#define PARCELO_MINOR_DIGITS PARCELO_VERSION_MINOR
#endif
#if PARCELO_VERSION_REVISION < 10
#define PARCELO_REVISION_DIGITS PARCELO_PASTE(000, PARCELO_VERSION_REVISION)
#elif PARCELO_VERSION_REVISION < 100
#define PARCELO_REVISION_DIGITS PARCELO_PASTE(00, PARCELO_VERSION_REVISION)
#elif PARCELO_VERSION_REVISION < 1000
#define PARCELO_REVISION_DIGITS PARCELO_PASTE(0, PARCELO_VERSION_REVISION)
#else
#define PARCELO_REVISION_DIGITS PARCELO_VERSION_REVISION
#endif
#define PARCELO_FILE_VERSION_TEXT PARCELO_STRING(PARCELO_VERSION_MAJOR.PARCELO_MINOR_DIGITS.PARCELO_REVISION_DIGITS)

// The About box's line: the major number, a point, then minor and revision run together.
#define PARCELO_VERSION_LINE \
    "Parcelo Version" PARCELO_STRING(PARCELO_VERSION_MAJOR.PARCELO_PASTE(PARCELO_VERSION_MINOR, PARCELO_VERSION_REVISION))

#endif
