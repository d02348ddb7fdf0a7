#!/usr/bin/env bash
# Builds the desktop program for Windows against the cross-built Qt and tests it under Wine:
#
#   1. Qt for Windows (tools/build-qt-windows.sh: only prints its folder when it is built);
#   2. the program, the runner and the window tests (build-windows-desktop);
#   3. the tests, the window tests on Qt's offscreen platform;
#   4. the program's folder as shipped, the installer and the zip (tools/package-windows.sh);
#   5. the shipped program on a virtual display, on Qt's windows platform: it opens the worked
#      example, solves it, writes its report, which must be byte for byte the runner's report of
#      the regression case, and shows the graph and design-check windows, of which screenshots
#      go to build-windows-desktop/screenshots;
#   6. the installer, silently, for all users and for the current user: the files, the
#      Start-menu entries and the registration in "Apps & features" are checked, the installed
#      program opens its window and the installed runner writes the worked example's report;
#      the registered uninstaller removes all of it again.
#
# The wall time of each step is printed at the end. A failed step fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

build="build-windows-desktop"
jobs=$(nproc)
export WINEPREFIX="$PWD/$build/wine-prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers: nothing here uses .NET or HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

steps=()
# Runs a step and keeps its wall time for the summary.
step() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name" >&2
    "$@"
    steps+=("$(printf '%5d s  %s' $((SECONDS - start)) "$name")")
}
summary() {
    echo "Windows desktop program, wall time of each step:" >&2
    printf '  %s\n' "${steps[@]}" >&2
    printf '  %5d s  all\n' $SECONDS >&2
}

fail() {
    echo "test-windows-desktop: $*" >&2
    exit 1
}

# Waits up to SECONDS for COMMAND to succeed, trying every tenth of a second.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# One Wine server for the whole run and Wine's services started once with their output going
# nowhere, as in tools/test-windows.sh: started by a program under test instead, they would hold
# its output open after it ended. Wine's desktop process takes its display when it starts, so
# the server is started afresh for the steps that show windows.
start_wine() {
    wineserver --kill 2>/dev/null || true  # one may be left from an earlier run
    wineserver --wait
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        new_prefix
        wineserver --kill 2>/dev/null || true
        wineserver --wait
    fi
    wineserver --persistent
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
# A new prefix. Wine links the user's Documents, Desktop and other folders to the home folder of
# this machine: they become folders of the prefix, so that nothing the programs write there
# leaves the build folder. The server that made the prefix is stopped afterwards: left running,
# a second set of Wine's services starts beside the first, and every program then waits about
# 20 s for the RPC service at its start.
new_prefix() {
    wineboot --init </dev/null >/dev/null 2>&1
    local folder
    for folder in "$WINEPREFIX"/drive_c/users/*/{Desktop,Documents,Downloads,Music,Pictures,Videos}; do
        if [ -L "$folder" ]; then
            rm "$folder"
            mkdir "$folder"
        fi
    done
}
xvfb_pid=""
stop_all() {
    [ ${#steps[@]} -eq 0 ] || summary
    wineserver --kill 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop_all EXIT

build_qt() {
    qt=$(tools/build-qt-windows.sh)
}

build_program() {
    mkdir -p "$WINEPREFIX"
    start_wine
    # A build configured against another Qt (an earlier state of the Qt build) keeps that Qt's
    # packages in its cache whatever the prefix path says: it is configured afresh.
    if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^Qt6_DIR:PATH=$qt/" "$build/CMakeCache.txt"; then
        rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
    fi
    local launcher=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
        -DTHALMURO_WINDOWS_DESKTOP=ON -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${launcher[@]}"
    # The build draws the pictures and lists the tests by running programs under Wine.
    cmake --build "$build" -j"$jobs"
}

# A window test that hangs fails at two minutes instead of holding up the run. The steps after
# the tests run whatever their outcome; the run fails at its end.
tests_status=0
run_tests() {
    local ctest=(ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 120)
    LC_ALL=C.UTF-8 THALMURO_USER_DECIMAL=. "${ctest[@]}" || tests_status=$?
    # Again with Greek regional settings, the tests whose numbers follow the user's format.
    LC_ALL=el_GR.UTF-8 THALMURO_USER_DECIMAL=, "${ctest[@]}" -R 'CliOnWindows|solve_test' ||
        tests_status=$?
}

package() {
    local made
    made=$(tools/package-windows.sh "$build" "$qt")
    installer=$(sed -n 1p <<<"$made")
    zip=$(sed -n 2p <<<"$made")
    shipped=${installer%-setup.exe}
    [ -d "$shipped" ] || fail "no program folder beside $installer"
    # The zip holds the folder as it is shipped.
    local unpacked="$build/package/zip-check"
    rm -rf "$unpacked"
    mkdir -p "$unpacked"
    (cd "$unpacked" && cmake -E tar xf "$zip")
    diff -r "$shipped" "$unpacked/$(basename "$shipped")" >&2 || fail "the zip differs from $shipped"
    rm -rf "$unpacked"
}

# A virtual display (a free number, taken by Xvfb itself) and the Wine server using it.
start_display() {
    local number
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 30 number <&"$fd" || fail "Xvfb did not start"
    exec {fd}>&-
    export DISPLAY=":$number"
    start_wine
}

# The X window whose name matches the regular expression, waited for up to a minute.
window_named() {
    timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Sends keys to a window: it takes the keyboard focus first (no window manager gives it).
keys_to() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" key --clearmodifiers "$@"
}

# A screenshot of the whole display once it has stopped changing: two captures a tenth of a
# second apart are the same.
screenshot() {
    local file=$1 previous="" current
    local deadline=$((SECONDS + 30))
    while :; do
        current=$(import -window root rgb:- | sha256sum)
        [ "$current" = "$previous" ] && break
        [ $SECONDS -lt $deadline ] || fail "the display did not settle for $file"
        previous=$current
        sleep 0.1
    done
    import -window root "$file"
}

# The height of the main window's menu bar, from the window as it opens: the window's height
# less its client area's (9675 twips, 15 to the pixel), before a Solve shows the status bar.
# The window's width, its client area's 13665 twips, shows that 15 twips make a pixel.
menu_bar_height() {
    local geometry width height
    geometry=$(xdotool getwindowgeometry --shell "$1")
    width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    [ "$width" -eq $((13665 / 15)) ] || fail "the main window is $width pixels wide, not 911"
    echo $((height - 9675 / 15))
}

# Clicks at the centre of a control given in twips on the client area of a window, which starts
# OFFSET pixels below the window's top (the main window's menu bar; no frame is drawn without a
# window manager).
click_control() {
    local window=$1 offset=$2 left=$3 top=$4 width=$5 height=$6
    xdotool mousemove --window "$window" --sync $(((left + width / 2) / 15)) \
        $((offset + (top + height / 2) / 15)) click 1
}

# Makes the main window the active one, as a click on it does: a click on its menu bar right of
# the menus (a window opened since may cover the rest of it). Keys go to the active window.
activate_main() {
    xdotool mousemove --window "$1" --sync $((13665 / 15 - 6)) $((menu_bar / 2)) click 1
}

# Closes the active window as Alt+F4 does, and waits for it to go.
close_window() {
    keys_to "$1" alt+F4
    wait_for 30 gone "$1" || fail "the window $(xdotool getwindowname "$1") did not close"
}
gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || ! visible "$1"; }
visible() { xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }

ended() { ! kill -0 "$1" 2>/dev/null; }

# The shipped program opens a copy of the worked example's problem file, is solved with
# "Επίλυση" (Command1) and writes its report under the name it offers, "Δοκιμή1.txt", which goes
# to the problem file's folder. It opens the design checks (the fourth entry of the menu
# "Διαχυτήρας") and the graph window (Command2) with the discharge of the risers plotted, each
# closed again, and ends on "Έξοδος" (Ctrl+Q). Each step waits for the window it opens.
end_to_end() {
    local work="$PWD/$build/end-to-end" shots="$PWD/$build/screenshots"
    rm -rf "$work" "$shots"
    mkdir -p "$work" "$shots"
    cp tests/data/cases/worked_example_el.json "$work/worked_example.json"

    LC_ALL=el_GR.UTF-8 WINEDEBUG=+loaddll wine "$shipped/thalmuro.exe" \
        "Z:$work/worked_example.json" </dev/null >/dev/null 2>"$work/wine.log" &
    local program=$!
    local main prompt graphs checks menu_bar
    main=$(window_named '^ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ — worked_example.json') ||
        fail "the main window did not open"
    menu_bar=$(menu_bar_height "$main")
    screenshot "$shots/main-window.png"

    click_control "$main" "$menu_bar" 11280 840 1695 615
    prompt=$(window_named '^Εισαγωγή ονόματος αρχείου$') || fail "Solve asked for no report name"
    keys_to "$prompt" Return
    wait_for 60 test -f "$work/Δοκιμή1.txt" || fail "no report was written"
    wait_for 30 gone "$prompt" || fail "the report-name prompt stayed open"
    cmp "$work/Δοκιμή1.txt" tests/data/cases/worked_example_el.txt ||
        fail "the report differs from the runner's (tests/data/cases/worked_example_el.txt)"
    screenshot "$shots/main-window-solved.png"

    # The menu bar by the keyboard: Alt selects its first menu, "Αρχείο"; the next is
    # "Διαχυτήρας", whose fourth entry is "Έλεγχος Σχεδιασμού".
    activate_main "$main"
    keys_to "$main" alt Right Down Down Down Down Return
    checks=$(window_named '^ΕΛΕΓΧΟΣ ΣΧΕΔΙΑΣΜΟΥ$') || fail "the design-check window did not open"
    screenshot "$shots/checks-window.png"
    close_window "$checks"

    click_control "$main" "$menu_bar" 11280 1680 1695 615
    graphs=$(window_named '^ΓΡΑΦΙΚΕΣ ΠΑΡΑΣΤΑΣΕΙΣ$') || fail "the graph window did not open"
    # "Παροχή Ανυψωτήρα" (Command5) plots the discharge of every riser.
    click_control "$graphs" 0 6600 8160 1335 495
    screenshot "$shots/graph-window.png"
    close_window "$graphs"

    activate_main "$main"
    keys_to "$main" ctrl+q
    wait_for 30 ended "$program" || fail "the program did not end on Έξοδος (Ctrl+Q)"
    wait "$program" || fail "the program ended with status $?"

    # Every DLL shipped was loaded by the run: the folder holds none the program does not use.
    # Wine's log names a DLL by its Windows path with its backslashes doubled.
    local dll logged
    while IFS= read -r dll; do
        logged=$(printf 'Z:%s/%s' "$shipped" "$dll" | sed 's|/|\\\\|g')
        grep -qiF "Loaded L\"$logged\"" "$work/wine.log" || fail "the program did not load $dll"
    done < <(cd "$shipped" && find . -iname '*.dll' | sed 's|^\./||')
    echo "screenshots: $shots" >&2
}

# A value of a registry key as `reg query` shows it (REG_SZ, or REG_DWORD as 0x…); empty when
# the key or the value is missing.
registry_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 \{1,\}REG_[A-Z_]* \{1,\}//p"
}

unregistered() { [ -z "$(registry_value "$1" DisplayName)" ]; }

# The installer's silent run for the users of MODE (AllUsers, CurrentUser) in the regional
# settings of LOCALE, which choose its language and so the name of the uninstaller's Start-menu
# entry, UNINSTALL_ENTRY. The installed program, runner and uninstaller run in LOCALE too: Wine
# gives Unix file names and X window titles in the locale's character set, so without a UTF-8
# locale (a bare system sets none) the Greek names of the shortcuts and the window are lost.
installs() {
    local mode=$1 locale=$2 uninstall_entry=$3
    local folder="C:\\Thalmuro-$mode" unix="$WINEPREFIX/drive_c/Thalmuro-$mode"
    local user=${USER:-$(id -un)} key menu root
    if [ "$mode" = AllUsers ]; then
        root=HKLM
        menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Thalmuro"
    else
        root=HKCU
        menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Thalmuro"
    fi
    key="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thalmuro"
    rm -rf "$unix"

    LC_ALL=$locale wine "$installer" /S "/$mode" "/D=$folder" </dev/null >/dev/null 2>&1 ||
        fail "the installer failed ($mode)"
    diff -r -x Uninstall.exe "$shipped" "$unix" >&2 || fail "the installed folder differs ($mode)"
    [ -f "$unix/Uninstall.exe" ] || fail "no uninstaller was installed ($mode)"
    local entry
    for entry in "Διαχυτήρας Thalmuro.lnk" "$uninstall_entry.lnk"; do
        [ -f "$menu/$entry" ] || fail "no Start-menu entry $menu/$entry ($mode)"
    done
    grep -qaF "thalmuro.exe" "$menu/Διαχυτήρας Thalmuro.lnk" ||
        fail "the Start-menu entry does not start thalmuro.exe ($mode)"
    local value
    for value in DisplayName Publisher DisplayIcon EstimatedSize; do
        [ -n "$(registry_value "$key" $value)" ] || fail "$key has no $value"
    done
    [ "$(registry_value "$key" DisplayVersion)" = "$(basename "$shipped" | sed 's/^thalmuro-//')" ] ||
        fail "$key does not give the program's version"
    [ "$(registry_value "$key" InstallLocation)" = "$folder" ] ||
        fail "$key does not give the folder installed in"

    # The installed program opens its main window and ends on "Έξοδος".
    LC_ALL=$locale wine "$unix/thalmuro.exe" </dev/null >/dev/null 2>&1 &
    local program=$! main menu_bar
    main=$(window_named '^ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ') ||
        fail "the installed program opened no main window ($mode)"
    menu_bar=$(menu_bar_height "$main")
    activate_main "$main"
    keys_to "$main" ctrl+q
    wait_for 30 ended "$program" || fail "the installed program did not end ($mode)"
    wait "$program" || fail "the installed program ended with status $? ($mode)"

    # The installed runner writes the worked example's report, byte for byte.
    local report="$PWD/$build/end-to-end/installed-$mode.txt"
    LC_ALL=$locale wine "$unix/thalmuro-cli.exe" --locale el_GR "Z:$PWD/tests/data/cases/worked_example_el.json" \
        "Z:$report" </dev/null >/dev/null 2>&1 || fail "the installed runner failed ($mode)"
    cmp "$report" tests/data/cases/worked_example_el.txt ||
        fail "the installed runner's report differs ($mode)"

    # The registered uninstaller copies itself away and ends; the copy removes the program. Its
    # last act is to remove the registration.
    local uninstall
    uninstall=$(registry_value "$key" QuietUninstallString)
    [ -n "$uninstall" ] || fail "$key has no QuietUninstallString"
    # The quoted program, then its arguments as separate words.
    local program_file=${uninstall#\"} arguments
    program_file=${program_file%%\"*}
    read -r -a arguments <<<"${uninstall#\""$program_file"\"}"
    LC_ALL=$locale wine "$program_file" "${arguments[@]}" </dev/null >/dev/null 2>&1 ||
        fail "the uninstaller failed ($mode)"
    wait_for 60 unregistered "$key" ||
        fail "the uninstaller left $key ($mode)"
    [ ! -e "$unix" ] || fail "the uninstaller left $unix: $(find "$unix" | head -n 5)"
    [ ! -e "$menu" ] || fail "the uninstaller left $menu ($mode)"
}

install_test() {
    installs AllUsers el_GR.UTF-8 "Απεγκατάσταση του Διαχυτήρα Thalmuro"
    installs CurrentUser C.UTF-8 "Uninstall Thalmuro Diffuser"
}

step "Qt for Windows" build_qt
step "build" build_program
step "tests under Wine" run_tests
step "program folder, installer and zip" package
step "display" start_display
step "the program on the display" end_to_end
step "installer and uninstaller" install_test
[ $tests_status -eq 0 ] || fail "tests failed"
