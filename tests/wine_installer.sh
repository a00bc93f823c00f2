#!/usr/bin/env bash
# The installer under Wine, each case in a fresh prefix of its own, with
# Wine's menu builder off (it would copy shortcuts and associations into
# this machine's own menus):
#   install  a silent install puts the program, its Start-menu shortcut and
#            its registration where they belong and nothing else anywhere
#            (no HKLM, no Program Files); the installed program, started
#            as "Open with" names it with a script, shows the menu and opens
#            the script; the silent uninstall leaves the files and registry
#            as they were, but for a script the player saved in the folder
#   upgrade  over an older build, what the new one no longer ships goes
#   running  while the installed program runs, an install changes nothing
#            and says so by its status
# Usage: wine_installer.sh CASE SETUP STAGE ICON WORK   (install and running
# under an X server: xvfb-run)
set -euo pipefail
case=$1 setup=$(realpath -m "$2") stage=$(realpath "$3") icon=$4 work=$(realpath -m "$5")
here=$(cd "$(dirname "$0")" && pwd)
# The tools speak C; the program runs in the Russian locale build.sh makes
# (LOCPATH), so that the console shows a Cyrillic name whole.
export LC_ALL=C
[ -f "$setup" ] || { echo "no $setup: ./build.sh windows makes it"; exit 77; }
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
unset WINEPATH
rm -rf "$work" && mkdir -p "$work"
# What the program printed, when a case fails while it runs.
trap 'status=$?; if [ $status != 0 ] && [ -s "$work/run.txt" ]; then
    echo "the program said:"; tr -d "\r" <"$work/run.txt"; fi >&2
    wineserver -k 2>/dev/null || true' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wineboot -i >/dev/null 2>&1
# A crash ends the program with its backtrace on the error stream rather
# than behind a dialog that nobody closes.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
home=$WINEPREFIX/drive_c/users/$user
folder=$home/AppData/Local/Programs/Quelmar
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quelmar.lnk"

install() { # setup.exe, the status it must end with
    local status=0
    wine "$1" /S || status=$?
    [ "$status" = "$2" ] || fail "$(basename "$1") /S ended with status $status, not $2"
}
# The files of drive C: (NSIS's own copy of its uninstaller, which it runs
# from the user's Temp folder and cannot remove while it runs, aside) and
# the registry of the user and of the machine's software, without what Wine
# itself makes at every start.
snapshot() { # name
    (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp/~nsu*.tmp' -prune -o \
        -type f -printf '%P %s\n' -o -printf '%P\n' | LC_ALL=C sort) >"$work/$1.files"
    for key in HKEY_CURRENT_USER 'HKEY_LOCAL_MACHINE\Software'; do
        wine regedit /E "$work/export.reg" "$key"
        iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r'
    done | awk '/^\[/ { skip = /Temporary System Parameters|\\NetworkCards/ } !skip' \
        >"$work/$1.keys"
}
# What is in the folder compared with what the zip holds.
installed_as_staged() {
    diff -r "$stage" "$folder" >"$work/folder.diff" || true
    printf 'Only in %s: %s\n' "$folder" installed-files.txt "$folder" uninstall.exe |
        diff - "$work/folder.diff" || fail "the installed folder differs from the zip's"
}
added() { # before, after, kind: the lines only after has
    { diff "$work/$1.$3" "$work/$2.$3" || true; } | sed -n 's/^> //p'
}
# A path as a .reg export writes it, on this machine.
unix_path() { realpath "$(winepath -u "$(printf '%s' "$1" | sed 's/\\\\/\\/g')")"; }

case $case in
install)
    # Neither the installer nor the programs ask for administrator rights.
    for file in "$setup" "$stage/quelmar.exe" "$stage/quelmar.com"; do
        grep -aq 'level="asInvoker"' "$file" || fail "$file's manifest does not say asInvoker"
    done
    snapshot before
    install "$setup" 0
    snapshot installed
    installed_as_staged
    [ -f "$shortcut" ] || fail "no Start-menu shortcut"
    added before installed files | grep -v "^users/$user/AppData/Local/Programs" |
        grep -v "^${shortcut#$WINEPREFIX/drive_c/} " && fail "files outside the program's folder"
    added installed before files | grep . && fail "the install changed or removed files"
    added before installed keys | grep '^\[' | grep -v \
        -e '^\[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall' \
        -e '^\[HKEY_CURRENT_USER\\Software\\Classes' && fail "registry keys outside HKCU's own"
    location=$(sed -n 's/^"InstallLocation"="\(.*\)"$/\1/p' "$work/installed.keys")
    [ "$(unix_path "$location")" = "$folder" ] ||
        fail "InstallLocation is $location"
    grep -qx '"Quelmar.Script"=hex(0):' "$work/installed.keys" || fail "no \"Open with\" entry"
    # An extra choice only: the default program for .cfg stays unset.
    awk '/^\[/ { k = $0 } k == "[HKEY_CURRENT_USER\\Software\\Classes\\.cfg]" && /^@/' \
        "$work/installed.keys" | grep -q . && fail ".cfg's default program was set"
    # "Open with Quelmar" as the registration says it, with a script in a
    # Cyrillic folder: the menu shows and the program names the script.
    command=$(awk '/^\[/ { k = $0 } k ~ /Quelmar.Script.shell.open.command]$/ && /^@=/' \
        "$work/installed.keys")
    [[ $command =~ ^@=\"\\\"(.*)\\\"\ \\\"%1\\\"\"$ ]] || fail "open command: $command"
    program=$(unix_path "${BASH_REMATCH[1]}")
    mkdir -p "$home/Documents/Скрипты"
    cp "$here/data/check_userconfig.cfg" "$home/Documents/Скрипты/мой.cfg"
    LC_ALL=ru_RU.UTF-8 script -qec "wine '$program' 'C:\\users\\$user\\Documents\\Скрипты\\мой.cfg'" /dev/null \
        >"$work/run.txt" 2>&1 &
    window_owner=$!
    source "$here/../tools/x-window.sh"
    wait_for_window 60 203 323 --name '^Quelmar$' >/dev/null || fail "no main menu"
    for _ in $(seq 600); do
        grep -aq 'opened C:.*мой.cfg' <(tr -d '\r\n' <"$work/run.txt") && break
        sleep 0.1
    done
    grep -aq 'opened C:.*мой.cfg' <(tr -d '\r\n' <"$work/run.txt") ||
        fail "the program did not open the script it was given"
    wineserver -k && { wait 2>/dev/null || true; }
    rm -rf "$home/Documents/Скрипты" "$home/Temp/cfg.cfg" "$home/Temp/.cfg.cfg.lock" "$work/run.txt"
    # The player's own script in the program's folder stays, and the
    # folders that hold it.
    printf 'bind "x" "+jump"\r\n' >"$folder/мой.cfg"
    wine "$folder/uninstall.exe" /S
    wineserver -w
    snapshot uninstalled
    diff "$work/before.keys" "$work/uninstalled.keys" || fail "registry not as before"
    printf '%s\n' "users/$user/AppData/Local/Programs" "users/$user/AppData/Local/Programs/Quelmar" \
        "users/$user/AppData/Local/Programs/Quelmar/мой.cfg 18" | LC_ALL=C sort >"$work/expected"
    { diff "$work/before.files" "$work/uninstalled.files" || true; } | sed -n 's/^[<>] //p' |
        diff "$work/expected" - || fail "files not as before, the player's script aside"
    ;;
upgrade)
    # An older build that shipped two files this one does not.
    cp -r "$stage" "$work/old"
    echo old >"$work/old/obsolete.txt"
    echo old >"$work/old/platforms/qold.dll"
    "$here/../packaging/windows/make-installer.sh" "$work/old" "$icon" 0.9 \
        "$work/old-setup.exe" -X'SetCompressor /FINAL zlib' >/dev/null
    install "$work/old-setup.exe" 0
    [ -f "$folder/platforms/qold.dll" ] || fail "the older build did not install"
    install "$setup" 0
    installed_as_staged
    ;;
running)
    install "$setup" 0
    wine "$folder/quelmar.exe" >"$work/run.txt" 2>&1 &
    window_owner=$!
    source "$here/../tools/x-window.sh"
    wait_for_window 60 203 323 --name '^Quelmar$' >/dev/null || fail "no main menu"
    before=$(cd "$folder" && find . -type f -exec md5sum {} + | sort)
    install "$setup" 2
    [ "$before" = "$(cd "$folder" && find . -type f -exec md5sum {} + | sort)" ] ||
        fail "the install changed the folder of a running program"
    wineserver -k && { wait 2>/dev/null || true; }
    rm "$work/run.txt"
    install "$setup" 0
    ;;
esac
echo "$case: as expected"
