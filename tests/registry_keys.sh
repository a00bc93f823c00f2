#!/bin/sh
# The registry keys a test could write to by mistake, as Wine's reg shows
# them: Steam's, the uninstall lists, and the keys right under
# HKCU\Software, where a test's sandbox would be left. One cmd.exe asks for
# all of them: every start of Wine takes seconds.
# "save" keeps them in FILE; "compare" fails when they differ from FILE.
# usage: registry_keys.sh save|compare FILE WINE...
mode=$1 file=$2
shift 2
uninstall='Microsoft\Windows\CurrentVersion\Uninstall'
queries=""
for key in 'HKCU\Software\Valve /s' 'HKLM\Software\Valve /s' 'HKLM\Software\Wow6432Node\Valve /s' \
    "HKCU\\Software\\$uninstall /s" "HKLM\\Software\\$uninstall /s" \
    "HKLM\\Software\\Wow6432Node\\$uninstall /s" 'HKCU\Software'; do
    queries="$queries & echo == $key & reg query $key"
done
state() {
    "$@" cmd /c "${queries# & }" 2>&1 | tr -d '\r'
}
if [ "$mode" = save ]; then
    state "$@" >"$file"
    exit
fi
[ -f "$file" ] || { echo "no saved state in $file: run the registry_before test first"; exit 1; }
state "$@" | diff "$file" - && rm -f "$file"
