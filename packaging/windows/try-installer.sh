#!/usr/bin/env bash
# Tries the installer as a pupil would, on an X display (run it under xvfb-run), in
# a fresh Wine prefix that sees none of the host's fonts, like a Windows without
# Chinese fonts: installs it silently for the current user, starts the program,
# waits for its main window "Vorlinde", solves x² − 3x + 1 = 0 in the equation
# window so that the history has an entry, quits, uninstalls silently and checks
# that the program is gone and the pupil's history is not. Then the same install
# and uninstall for the whole machine.
#
#   try-installer.sh SETUP.exe PREFIX
set -euo pipefail
setup=$(realpath "$1")
prefix=$(realpath -m "$2")

fail() {
  echo "try-installer.sh: $*" >&2
  exit 1
}

rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX=$prefix/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
# Fontconfig, through which Wine finds the host's fonts, with no font folder.
printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
  "$prefix/fontconfig" > "$prefix/fonts.conf"
export FONTCONFIG_FILE=$prefix/fonts.conf
wineboot -i > /dev/null 2>&1
wineserver -w

user_dir=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}
history=$user_dir/AppData/Roaming/Vorlinde/history.json

# Waits up to 30 s for a top-level window of the title.
wait_window() {
  for _ in $(seq 60); do
    xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1 && return 0
    sleep 0.5
  done
  return 1
}

# Clicks the control at (x, y) pixels of the window: the forms' twips / 15.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.5
}

install_and_check() {  # mode (/CurrentUser or nothing), program folder, Start-menu folder
  wine "$setup" /S $1
  wineserver -w
  for f in vorlinde.exe vorlinde-print.dll Qt6Core.dll platforms/qwindows.dll qt.conf \
           translations/qtbase_zh_CN.qm uninstall.exe; do
    [ -f "$2/$f" ] || fail "$f not installed in $2"
  done
  [ -f "$3/Vorlinde.lnk" ] || fail "no Start-menu entry in $3"
}

uninstall_and_check() {  # program folder, Start-menu folder
  wine "$1/uninstall.exe" /S
  wineserver -w
  sleep 1
  [ ! -e "$1" ] || fail "$1 left after uninstalling: $(find "$1" | head -n 5)"
  [ ! -e "$2/Vorlinde.lnk" ] || fail "Start-menu entry left in $2"
}

# Per user, as a pupil without administrator rights installs it.
app=$user_dir/AppData/Local/Programs/Vorlinde
menu=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
install_and_check /CurrentUser "$app" "$menu"
wine "$app/vorlinde.exe" > "$prefix/program.log" 2>&1 &
main=$(wait_window Vorlinde) || fail "the main window did not show"
echo "The main window \"Vorlinde\" shows."
# The main window's second "进 入" (Command2 in Frame2), in pixels of the X window,
# whose top Wine gives to the title bar it draws.
click_at "$main" 355 120
equations=$(wait_window 解方程) || fail "the equation window did not open"
# A click on the heading makes the window active, the focus in its first box (a);
# keys go to the window under the pointer. Return computes the panel.
click_at "$equations" 40 40
xdotool type -- 1
xdotool key Tab
xdotool type -- -3
xdotool key Tab
xdotool type -- 1
xdotool key Return
sleep 2
# The history is written a second after the calculation; Wine's taskkill then
# closes the program's windows.
wine taskkill /im vorlinde.exe > /dev/null 2>&1 || true
wineserver -w
[ -s "$history" ] || fail "no history written at $history"
uninstall_and_check "$app" "$menu"
[ -s "$history" ] || fail "uninstalling took the pupil's history"
echo "Installed, started, used and uninstalled for the current user; the history stays."

# Per machine, as an administrator installs it (Wine's user is one).
install_and_check "" "$WINEPREFIX/drive_c/Program Files/Vorlinde" \
  "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
uninstall_and_check "$WINEPREFIX/drive_c/Program Files/Vorlinde" \
  "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
echo "Installed and uninstalled for the whole machine."
wineserver -k 2> /dev/null || true
