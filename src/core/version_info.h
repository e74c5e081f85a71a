#ifndef PARCELO_CORE_VERSION_INFO_H
#define PARCELO_CORE_VERSION_INFO_H
// The program's version record, in one place: Parcelo.rc builds the executable's VERSIONINFO from it
// and the portable build compiles the same values in. Plain #defines, one narrow UTF-8 literal each,
// and an include guard rather than #pragma once, because windres and rc.exe read this file too.

// The resource compilers would read the UTF-8 text below in some other code page without this.
#ifdef RC_INVOKED
#pragma code_page(65001)
#endif

#define PARCELO_VERSION_MAJOR 0
#define PARCELO_VERSION_MINOR 2
#define PARCELO_VERSION_REVISION 4

#define PARCELO_COMPANY "Quorval"
#define PARCELO_PRODUCT "Parcelo"
#define PARCELO_FILE_VERSION_TEXT "0.02.0004"
#define PARCELO_DESCRIPTION "本体"
#define PARCELO_COPYRIGHT "Copyright (C) 2026 Quorval"
#define PARCELO_INTERNAL_NAME "Parcelo"
#define PARCELO_ORIGINAL_FILENAME "Parcelo.exe"

#endif
