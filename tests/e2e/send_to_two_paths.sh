#!/usr/bin/env bash
# Two files sent at once, each quoted as the shell quotes them: two prompts in their order, two shortcuts.
. "$(dirname "$0")/lib.sh"

first='C:\Program Files\テスト\一つ目.exe'
second='C:\Program Files\ﾃｽﾄ 2\second.com'
make_program "$first"
make_program "$second"
write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,1"

launch_parcelo "$first" "$second"
name_shortcut "$first" 一つ目
name_shortcut "$second" 二つ目
wait_parcelo_exit
expect_shortcut 一つ目 "$first"
expect_shortcut 二つ目 "$second"
