# Sourced by each scenario: scenario.sh PARCELO_EXE DRIVER_EXE BUILD_DIR.
# Each scenario runs its own copy of Parcelo.exe, so its Data.ini, in C:\e2e\<scenario>\ of the session's
# prefix, on a Wine desktop named after the scenario. Windows, controls and menu items go by the names of
# their designs (frmMain, frmOpt.txtPath, frmMain.mnuVer), which the driver turns into the program's ids.
set -euo pipefail
parcelo_exe=${1:?usage: scenario PARCELO_EXE DRIVER_EXE BUILD_DIR}
driver_exe=${2:?}
build_dir=${3:?}
scenario=$(basename "$0" .sh)
e2e_dir=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
# shellcheck source=/dev/null
. "${PARCELO_WINE_SESSION:?}/session.env"

work=$WINEPREFIX/drive_c/e2e/$scenario
win_work="C:\\e2e\\$scenario"
data_ini=$work/Data.ini
log=$work/log
rm -rf "$work"
mkdir -p "$log"
cp "$parcelo_exe" "$work/Parcelo.exe"

fail() { echo "FAIL $scenario: $*" >&2; exit 1; }

expect_equal() { [[ $2 == "$3" ]] || fail "$1: expected '$2', found '$3'"; }  # what expected actual

# Runs the command until it succeeds, for up to 15 s; the failure names what was awaited and what the
# command printed the last time.
wait_until() {  # what command...
  local what=$1 deadline=$((SECONDS + 15)) state
  shift
  until state=$("$@" 2>&1); do
    ((SECONDS < deadline)) || fail "$what: found $state"
    sleep 0.1
  done
}

# Wine's programs write into files, never into a pipe: a helper process that Wine starts on the way would
# hold the pipe open long after the call.
# drv works the windows on the scenario's desktop; ask only reads the system (special folders, shortcuts),
# which needs no desktop and still works after the program and its desktop have gone.
drv() { ask --desktop "$scenario" "$@"; }
ask() {
  "$e2e_dir/wine-run" "$driver_exe" "$@" >"$log/driver.out" 2>"$log/driver.err" ||
    fail "driver $*: $(cat "$log/driver.err")"
  cat "$log/driver.out"
}

# Starts the program with these arguments, as the shell would pass them, and does not wait for a window.
launch_parcelo() {
  "$e2e_dir/wine-run" --desktop "$scenario" "$win_work\\Parcelo.exe" "$@" </dev/null >"$log/parcelo.log" 2>&1 &
  parcelo_pid=$!
}

start_parcelo() { launch_parcelo "$@"; drv wait-window frmMain >/dev/null; }

# Fails if a window of this class shows: ParceloMain, the main window; #32770, a box.
expect_no_window() {  # class
  if drv windows | grep -q "^$1"; then fail "a window $1 is showing: $(drv windows | tr '\n' '|')"; fi
}

# The desktop's explorer ends with the last program on it, so its end is the end of Parcelo.
parcelo_ended() { ! kill -0 "$parcelo_pid" 2>/dev/null || { echo "Parcelo still running"; false; }; }
wait_parcelo_exit() { wait_until "the end of Parcelo after it was closed" parcelo_ended; }
close_parcelo() { drv close frmMain >/dev/null; wait_parcelo_exit; }

# Data.ini as the program writes it: one record in code page 932, ended by CR LF.
write_data_ini() { printf '%s\r\n' "$1" | iconv -f UTF-8 -t CP932 >"${2:-$data_ini}"; }  # record [file]

# Compares Data.ini byte for byte with the record given in UTF-8.
expect_data_ini() {
  write_data_ini "$1" "$log/expected.ini"
  cmp -s "$log/expected.ini" "$data_ini" ||
    fail "Data.ini differs: expected $(od -An -c "$log/expected.ini"), found $(od -An -c "$data_ini")"
}

# The outer rectangle as Data.ini stores it: width,height,top,left.
placement_fields() { drv rect frmMain | awk '{ print $3 "," $4 "," $2 "," $1 }'; }

send_to_folder() { ask special-folder 9; }

# The host's name for a path on drive C: of the prefix.
host_path() {
  local path=${1#[Cc]:}
  echo "$WINEPREFIX/drive_c${path//\\//}"
}

# An ordinary file at this Windows path, to send to the program.
make_program() { install -D "$parcelo_exe" "$(host_path "$1")"; }

# What is in the Send To folder now; expect_send_to_unchanged fails if that has changed since.
remember_send_to() { ls "$(host_path "$(send_to_folder)")" >"$log/sendto.before"; }
expect_send_to_unchanged() {  # why it should not have changed
  ls "$(host_path "$(send_to_folder)")" | cmp -s "$log/sendto.before" - || fail "the Send To folder changed $1"
}

# Asks for the shortcut name of one sent path and confirms "完了", the main window not showing meanwhile.
name_shortcut() {  # path name
  drv wait-text 作成 "ショートカット名を入力してください$1" >/dev/null
  screenshot name_prompt.png 作成
  expect_no_window ParceloMain
  drv set-text 作成 prompt.edit "$2" >/dev/null
  drv press 作成 OK
  drv wait-text Parcelo 完了 >/dev/null
  expect_no_window ParceloMain
  drv press Parcelo OK
}

# Checks the shortcut's target and removes it, so that a later run in the same session cannot pass on it.
expect_shortcut() {  # name target
  local link
  link="$(send_to_folder)\\$1.lnk"
  expect_equal "target of the shortcut $1" "$2" "$(ask resolve-link "$link")"
  rm -f "$(host_path "$link")"
}

# A picture of a window (the main window unless another is named) for people to look at.
screenshot() {  # file [window]
  local left top width height dpi
  read -r left top width height <<<"$(drv rect "${2:-frmMain}")"
  dpi=$(drv dpi "${2:-frmMain}")
  px() { echo $(($1 * dpi / 1440)); }
  mkdir -p "$build_dir/screenshots"
  import -display "$DISPLAY" -window root -crop "$(px "$width")x$(px "$height")+$(px "$left")+$(px "$top")" \
    +repage "$build_dir/screenshots/$1"
}

# The design's controls laid out for a client area of this size and a drive list of this height: the
# design file's sums, with CLIENT_WIDTH, CLIENT_HEIGHT and DRIVE, worked out.
laid_out_controls() {  # client-width client-height drive-height
  local CLIENT_WIDTH=$1 CLIENT_HEIGHT=$2 DRIVE=$3 name class text left top width height rest
  # A unit separator for the tab, which read would take for blanks and so lose the empty texts.
  grep -v '^#' "$e2e_dir/expected/main_window_controls.tsv" | tr '\t' '\037' |
    while IFS=$'\037' read -r name class text left top width height rest; do
      printf '%s\t' "$name" "$class" "$text" $((left)) $((top)) $((width)) $((height))
      echo "${rest//$'\037'/$'\t'}"
    done | sort
}

# Shows the controls that differ between two listings, a place or size within TOLERANCE twips counting as
# equal; fails when there is one.
control_differences() {  # expected-file found-file tolerance
  awk -F'\t' -v tolerance="$3" '
    NR == FNR { want[$1] = $0; next }
    {
      line = want[$1]; delete want[$1]
      n = split(line, w, "\t"); same = line != "" && n == NF
      for (i = 1; same && i <= NF; i++) same = (i >= 4 && i <= 7) ? ($i - w[i]) ^ 2 <= tolerance ^ 2 : $i == w[i]
      if (!same) { print "design: " line "\nwindow: " $0; bad = 1 }
    }
    END { for (name in want) { print "missing: " want[name]; bad = 1 }; exit bad }' "$1" "$2"
}

# Fails unless the main window's controls stand as its design lays them out for the present client area,
# each place and size within TOLERANCE twips (none unless given).
expect_layout() {  # [tolerance]
  local client_width client_height drive
  read -r client_width client_height _ <<<"$(drv client frmMain)"
  # The designed controls, without the drive list's text, which names the machine's drive.
  drv controls frmMain |
    awk -F'\t' -v OFS='\t' '$1 ~ /^frmMain\./ { if ($1 == "frmMain.driDri") $3 = ""; print }' | sort >"$log/controls.found"
  # The drive list's closed height is what the system makes of its font; the folder list goes under it.
  drive=$(awk -F'\t' '$1 == "frmMain.driDri" { print $7 }' "$log/controls.found")
  laid_out_controls "$client_width" "$client_height" "$drive" >"$log/controls.expected"
  control_differences "$log/controls.expected" "$log/controls.found" "${1:-0}" >&2 ||
    fail "the controls differ from the design in a client area of $client_width x $client_height twips"
}

# The folder list's entries on one line; succeeds when the entry is among them.
list_shows() {  # entry
  local items
  items=$(drv items frmMain.dirDir)
  echo "${items//$'\n'/|}"
  grep -Fxq -- "$1" <<<"$items"
}

# The folder view's names, sorted, on one line; succeeds when they are exactly the names given.
view_shows() {  # name...
  local found
  found=$(drv view-items frmMain | LC_ALL=C sort | paste -sd' ')
  echo "${found:-nothing}"
  [[ $found == "$(printf '%s\n' "$@" | LC_ALL=C sort | paste -sd' ')" ]]
}
