#ifndef PARCELO_RESOURCE_H
#define PARCELO_RESOURCE_H
// Resource IDs shared by Parcelo.rc and the program (a guard, not #pragma once: rc.exe reads it too).

// The lowest icon ID, so the shell shows it as the executable's icon.
#define IDI_PARCELO 1

// The prompt box: prompt text, edit field, and the system's IDOK / IDCANCEL buttons.
#define IDD_PROMPT 101
#define IDC_PROMPT_TEXT 1001
#define IDC_PROMPT_EDIT 1002

#endif
