# Sourced by each scenario: scenario.sh PARCELO_EXE DRIVER_EXE BUILD_DIR.
# Each scenario runs its own copy of Parcelo.exe, so its Data.ini, in C:\e2e\<scenario>\ of the session's
# prefix, on a Wine desktop named after the scenario. Windows, controls and menu items go by the names of
# their designs (frmMain, frmOpt.txtPath, frmMain.mnuVer), which the driver turns into the program's ids;
# the driver's commands are listed at the top of driver.cpp.
set -euo pipefail
parcelo_exe=${1:?usage: scenario PARCELO_EXE DRIVER_EXE BUILD_DIR}
driver_exe=${2:?}
build_dir=${3:?}
scenario=$(basename "$0" .sh)
e2e_dir=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
wine_run=$e2e_dir/../../tools/wine-run
# shellcheck source=/dev/null
. "${PARCELO_WINE_SESSION:?}/session.env"

work=$WINEPREFIX/drive_c/e2e/$scenario
win_work="C:\\e2e\\$scenario"
data_ini=$work/Data.ini
log=$work/log
rm -rf "$work"
mkdir -p "$log" "$build_dir/screenshots"
cp "$parcelo_exe" "$work/Parcelo.exe"

fail() { echo "FAIL $scenario: $*" >&2; exit 1; }

expect_equal() { [[ $2 == "$3" ]] || fail "$1: expected '$2', found '$3'"; }  # what expected actual

# Runs the command until it succeeds, for up to 15 s; the failure names what was awaited and what the
# command printed the last time.
wait_until() {  # what command...
  local deadline=$((SECONDS + 15)) state
  until state=$("${@:2}" 2>&1); do
    ((SECONDS < deadline)) || fail "$1: found $state"
    sleep 0.1
  done
}

# Wine's programs write into files, never into a pipe: a helper process that Wine starts on the way would
# hold the pipe open long after the call.
# drv works the windows on the scenario's desktop; ask makes shortcuts, which needs no desktop and works
# before the program and its desktop are there.
# The driver explains every failure; a failure without a word is Wine's, which now and then cannot start a
# process at all ("failed to map the shared user data"), and the call is made once more.
drv() { ask --desktop "$scenario" "$@"; }
ask() {
  "$wine_run" "$driver_exe" "$@" >"$log/driver.out" 2>"$log/driver.err" ||
    { [[ ! -s $log/driver.err ]] && "$wine_run" "$driver_exe" "$@" >"$log/driver.out" 2>"$log/driver.err"; } ||
    fail "driver $*: $(cat "$log/driver.err")"
  cat "$log/driver.out"
}

# Starts the program with these arguments, as the shell would pass them, and does not wait for a window.
launch_parcelo() {
  "$wine_run" --desktop "$scenario" "$win_work\\Parcelo.exe" "$@" </dev/null >"$log/parcelo.log" 2>&1 &
  parcelo_pid=$!
}

start_parcelo() { launch_parcelo "$@"; drv window frmMain >/dev/null; }

# The desktop's explorer ends with the last program on it, so its end is the end of Parcelo.
parcelo_ended() { ! kill -0 "$parcelo_pid" 2>/dev/null || { echo "Parcelo still running"; false; }; }
wait_parcelo_exit() { wait_until "the end of Parcelo after it was closed" parcelo_ended; }
close_parcelo() { drv close frmMain >/dev/null; wait_parcelo_exit; }

# Data.ini as the program writes it: one record in code page 932, ended by CR LF.
data_ini_bytes() { printf '%s\r\n' "$1" | iconv -f UTF-8 -t CP932; }
write_data_ini() { data_ini_bytes "$1" >"$data_ini"; }
# Compares Data.ini byte for byte with the record given in UTF-8.
expect_data_ini() {
  cmp -s <(data_ini_bytes "$1") "$data_ini" || fail "Data.ini differs: expected '$1', found $(od -An -c "$data_ini")"
}

# The user's Send To folder, where the shell keeps it: in the application data folder.
send_to_folder() { echo "$("$wine_run" cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\SendTo"; }
empty_send_to() { rm -rf "$(host_path "$(send_to_folder)")"/*; }

# The host's name for a path on drive C: of the prefix.
host_path() { echo "$WINEPREFIX/drive_c$(sed 's/^[Cc]://; s|\\|/|g' <<<"$1")"; }

# An ordinary file at this Windows path, to send to the program.
make_program() { install -D "$parcelo_exe" "$(host_path "$1")"; }

# Answers the name prompt for a sent path and confirms "完了", running CHECK... while each shows.
name_shortcut() {  # path name [check...]
  drv controls 作成 "ショートカット名を入力してください$1" >/dev/null
  "${@:3}"
  drv set-text 作成 Edit "$2"
  drv press 作成 OK
  drv controls Parcelo 完了 >/dev/null
  "${@:3}"
  drv press Parcelo OK
}

# Checks a shortcut in the Send To folder as lnkinfo, a reader of its own, finds its bytes: the target, the
# arguments and, for a program, the folder it starts in. (A scenario that makes shortcuts empties the folder
# first, so that none left by an earlier run can pass.)
expect_shortcut() {  # name target [arguments]
  local link folder=
  link=$(host_path "$(send_to_folder)\\$1.lnk")
  [[ -d $(host_path "$2") ]] || folder=${2%\\*}
  lnkinfo -c windows-932 "$link" >"$log/lnkinfo" || fail "lnkinfo cannot read $1.lnk: $(cat "$log/lnkinfo")"
  expect_equal "the shortcut $1's target|folder|arguments" "$2|$folder|${3:-}" "$(awk -F'\t+: ?' '
    $1 == "\tLocal path" { path = $2 } $1 == "\tWorking directory" { folder = $2 }
    $1 == "\tCommand line arguments" { arguments = $2 } END { print path "|" folder "|" arguments }' "$log/lnkinfo")"
}

# A picture of a window (the main window unless another is named) for people to look at.
screenshot() {  # file [window]
  local crop
  crop=$(drv window "${2:-frmMain}" | awk '{ f = $9 / 1440; printf "%dx%d+%d+%d", $3 * f, $4 * f, $1 * f, $2 * f }')
  import -display "$DISPLAY" -window root -crop "$crop" +repage "$build_dir/screenshots/$1"
}

# Fails unless the main window's controls stand as its design lays them out for the present client area
# and drive list (the design file's sums worked out), each place and size within TOLERANCE twips.
expect_layout() {  # [tolerance]
  local CLIENT_WIDTH CLIENT_HEIGHT DRIVE name class text left top width height rest
  read -r _ _ _ _ _ _ CLIENT_WIDTH CLIENT_HEIGHT _ <<<"$(drv window frmMain)"
  # The designed controls, without the drive list's text, which names the machine's drive.
  drv controls frmMain |
    awk -F'\t' -v OFS='\t' '$1 ~ /^frmMain\./ { if ($1 == "frmMain.driDri") $3 = ""; print }' | sort >"$log/controls.found"
  # The drive list's closed height is what the system makes of its font; the folder list goes under it.
  DRIVE=$(awk -F'\t' '$1 == "frmMain.driDri" { print $7 }' "$log/controls.found")
  # A unit separator for the tab, which read would take for blanks and so lose the empty texts.
  grep -v '^#' "$e2e_dir/expected/main_window_controls.tsv" | tr '\t' '\037' |
    while IFS=$'\037' read -r name class text left top width height rest; do
      printf '%s\t' "$name" "$class" "$text" $((left)) $((top)) $((width)) $((height))
      echo "${rest//$'\037'/$'\t'}"
    done | sort | paste - "$log/controls.found" | awk -F'\t' -v tolerance="${1:-0}" '
      { for (i = 1; i <= 9; i++) bad += i >= 4 && i <= 7 ? ($i - $(i + 9)) ^ 2 > tolerance ^ 2 : $i != $(i + 9) }
      bad { print "design, then window: " $0; exit 1 }' >&2 ||
    fail "the controls differ from the design in a client area of $CLIENT_WIDTH x $CLIENT_HEIGHT twips"
}

# Fails unless what COMMAND... prints is the listing of that name in expected/ (without its comment lines).
expect_listing() {  # name command...
  "${@:2}" >"$log/$1.tsv"
  grep -v '^#' "$e2e_dir/expected/$1.tsv" | diff -u - "$log/$1.tsv" >&2 ||
    fail "the listing differs from expected/$1.tsv (- expected, + found)"
}

# What COMMAND... prints, on one line; succeeds when it is exactly the lines expected.
prints() {  # expected command...
  local found
  found=$("${@:2}")
  echo "${found//$'\n'/|}"
  [[ $found == "$1" ]]
}
