# Sourced by each scenario: scenario.sh PARCELO_EXE DRIVER_EXE BUILD_DIR.
# Each scenario runs its own copy of Parcelo.exe, so its Data.ini, in C:\e2e\<scenario>\ of the session's
# prefix, on a Wine desktop named after the scenario.
set -euo pipefail
parcelo_exe=${1:?usage: scenario PARCELO_EXE DRIVER_EXE BUILD_DIR}
driver_exe=${2:?}
build_dir=${3:?}
scenario=$(basename "$0" .sh)
e2e_dir=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
wine_run=$e2e_dir/wine-run
# shellcheck source=/dev/null
. "${PARCELO_WINE_SESSION:?}/session.env"

work=$WINEPREFIX/drive_c/e2e/$scenario
win_work="C:\\e2e\\$scenario"
data_ini=$work/Data.ini
rm -rf "$work"
mkdir -p "$work/log"
cp "$parcelo_exe" "$work/Parcelo.exe"
parcelo_pid=

fail() {
  echo "FAIL $scenario: $*" >&2
  exit 1
}

# Wine's programs write into files, never into a pipe: a helper process that Wine starts on the way would
# hold the pipe open long after the call.
# drv works the windows on the scenario's desktop; ask only reads the system (special folders, shortcuts),
# which needs no desktop and still works after the program and its desktop have gone.
drv() {
  driver --desktop "$scenario" "$@"
}

ask() {
  driver "$@"
}

driver() {
  if ! "$wine_run" "$driver_exe" "$@" >"$work/log/driver.out" 2>"$work/log/driver.err"; then
    fail "driver $*: $(cat "$work/log/driver.err")"
  fi
  cat "$work/log/driver.out"
}

# Starts the program with these arguments, as the shell would pass them, and does not wait for a window.
launch_parcelo() {
  "$wine_run" explorer "/desktop=$scenario,1024x768" "$win_work\\Parcelo.exe" "$@" \
    </dev/null >"$work/log/parcelo.log" 2>&1 &
  parcelo_pid=$!
}

start_parcelo() {
  launch_parcelo "$@"
  drv wait-window Parcelo 15000 ParceloMain >/dev/null
}

expect_no_main_window() {
  if drv windows | grep -q '^ParceloMain'; then fail "the main window is showing"; fi
}

# The desktop's explorer ends with the last program on it, so its end is the end of Parcelo.
wait_parcelo_exit() {
  local deadline=$((SECONDS + 15))
  while kill -0 "$parcelo_pid" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "Parcelo still running 15 s after it was closed"
    sleep 0.1
  done
}

# Writes Data.ini as the program would: one record in code page 932, ended by CR LF.
write_data_ini() {
  printf '%s\r\n' "$1" | iconv -f UTF-8 -t CP932 >"$data_ini"
}

# Compares Data.ini byte for byte with the record given in UTF-8.
expect_data_ini() {
  [[ -f $data_ini ]] || fail "no Data.ini next to the program"
  printf '%s\r\n' "$1" | iconv -f UTF-8 -t CP932 >"$work/log/expected.ini"
  cmp -s "$work/log/expected.ini" "$data_ini" ||
    fail "Data.ini differs: expected $(od -An -c "$work/log/expected.ini"), found $(od -An -c "$data_ini")"
}

expect_equal() {  # what expected actual
  [[ $2 == "$3" ]] || fail "$1: expected '$2', found '$3'"
}

# The outer rectangle as Data.ini stores it: width,height,top,left.
placement_fields() {
  local rect left top width height
  rect=$(drv rect Parcelo)
  read -r left top width height <<<"$rect"
  echo "$width,$height,$top,$left"
}

send_to_folder() {
  ask special-folder 9
}

# The host's name for a path on drive C: of the prefix.
host_path() {
  local path=${1#[Cc]:}
  echo "$WINEPREFIX/drive_c${path//\\//}"
}

# An ordinary file at this Windows path, to send to the program.
make_program() {
  local file
  file=$(host_path "$1")
  mkdir -p "$(dirname "$file")"
  cp "$parcelo_exe" "$file"
}

# Asks for the shortcut name of one sent path and confirms "完了".
name_shortcut() {  # path name
  drv wait-text 作成 "ショートカット名を入力してください$1" >/dev/null
  drv set-text 作成 '#1002' "$2" >/dev/null
  drv press 作成 OK
  drv wait-text Parcelo 完了 >/dev/null
  drv press Parcelo OK
}

expect_shortcut() {  # name target
  local target
  target=$(ask resolve-link "$(send_to_folder)\\$1.lnk")
  expect_equal "target of the shortcut $1" "$2" "$target"
}

# Data.ini's record as UTF-8, after checking that the file is one CR LF line of code page 932 text.
data_ini_record() {
  local text
  [[ -f $data_ini ]] || fail "no Data.ini next to the program"
  text=$(iconv -f CP932 -t UTF-8 "$data_ini") || fail "Data.ini is not code page 932 text"
  [[ $(wc -l <"$data_ini") == 1 && $(tail -c 2 "$data_ini" | od -An -tx1) == " 0d 0a" ]] ||
    fail "Data.ini is not one line ended by CR LF: $(od -An -c "$data_ini")"
  echo "${text%$'\r'}"
}

# A picture of a window (the main window unless a caption is given) for people to look at.
screenshot() {  # file [caption]
  local rect left top width height dpi
  rect=$(drv rect "${2:-Parcelo}")
  read -r left top width height <<<"$rect"
  dpi=$(drv dpi "${2:-Parcelo}")
  px() { echo $(($1 * dpi / 1440)); }
  mkdir -p "$build_dir/screenshots"
  import -display "$DISPLAY" -window root -crop "$(px "$width")x$(px "$height")+$(px "$left")+$(px "$top")" \
    +repage "$build_dir/screenshots/$1"
}

# The main window's designed controls as the driver finds them, without the shell's windows inside the
# folder view and the drop-down's list, and without the drive list's text, which names the machine's drive.
main_controls() {
  drv controls Parcelo |
    awk -F'\t' -v OFS='\t' '$1 >= 1000 && $1 <= 1012 && ($8 == 0 || $8 == 1002) { if ($1 == 1011) $3 = ""; print }' |
    sort
}

# The design's controls as laid out for a client area of this size and a drive list of this height.
laid_out_controls() {  # client-width client-height drive-height
  grep -v '^#' "$e2e_dir/expected/main_window_controls.tsv" |
    awk -F'\t' -v OFS='\t' -v width="$1" -v height="$2" -v drive="$3" '
      # A sum such as CLIENT_HEIGHT-900-DRIVE, with the names replaced by the numbers.
      function value(sum,   total, term, sign, i, c) {
        gsub(/CLIENT_WIDTH/, width, sum); gsub(/CLIENT_HEIGHT/, height, sum); gsub(/DRIVE/, drive, sum)
        total = 0; sign = 1; term = ""
        for (i = 1; i <= length(sum); i++) {
          c = substr(sum, i, 1)
          if ((c == "+" || c == "-") && term != "") { total += sign * term; sign = c == "+" ? 1 : -1; term = "" }
          else term = term c
        }
        return total + sign * term
      }
      { for (i = 4; i <= 7; i++) $i = value($i); print }' |
    sort
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
    END { for (id in want) { print "missing: " want[id]; bad = 1 }; exit bad }' "$1" "$2"
}

# Waits until a list box shows this entry.
wait_list_entry() {  # caption control entry
  local deadline=$((SECONDS + 15))
  until drv items "$1" "$2" | grep -Fxq -- "$3"; do
    ((SECONDS < deadline)) || fail "the list $2 does not show '$3': $(drv items "$1" "$2" | tr '\n' '|')"
    sleep 0.1
  done
}
