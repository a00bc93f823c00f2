#!/bin/sh
# The registry keys a test could write to by mistake, as Wine's reg shows
# them: Steam's, the uninstall lists, and the keys right under
# HKCU\Software, where a test's sandbox would be left. Each key is asked
# for by a reg of its own: Wine's cmd takes no chain of reg commands.
# "save" keeps them in FILE; "compare" fails when they differ from FILE.
# usage: registry_keys.sh save|compare FILE WINE...
mode=$1 file=$2
shift 2
uninstall='Microsoft\Windows\CurrentVersion\Uninstall'
state() {
    for key in 'HKCU\Software\Valve' 'HKLM\Software\Valve' 'HKLM\Software\Wow6432Node\Valve' \
        "HKCU\\Software\\$uninstall" "HKLM\\Software\\$uninstall" \
        "HKLM\\Software\\Wow6432Node\\$uninstall"; do
        echo "== $key"
        "$@" reg query "$key" /s 2>&1 | tr -d '\r'
    done
    echo "== HKCU\\Software"
    "$@" reg query 'HKCU\Software' 2>&1 | tr -d '\r'
}
if [ "$mode" = save ]; then
    state "$@" >"$file"
    exit
fi
[ -f "$file" ] || { echo "no saved state in $file: run the registry_before test first"; exit 1; }
state "$@" | diff "$file" - && rm -f "$file"
