#ifndef PARCELO_BENCH_MINIMAL_PROMPT_H
#define PARCELO_BENCH_MINIMAL_PROMPT_H
// Shared by minimal_prompt.rc and minimal_prompt.cpp; the edit field has the ID of Parcelo's, so the
// benchmark types into both alike.
#define IDD_MINIMAL_PROMPT 101
#define IDC_MINIMAL_PROMPT_EDIT 1002
#endif
