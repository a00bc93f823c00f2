#!/usr/bin/env bash
# Makes the per-user installer from the folder the zip is made of:
#   make-installer.sh STAGE ICON VERSION OUT.exe [MAKENSIS-OPTION...]
# Every file of STAGE is installed, and removed again by name; the lists
# NSIS needs are written here from the folder itself, so the installer
# ships exactly what the zip ships. Signs the installer and its uninstaller
# as sign.sh does, when a certificate is given.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
stage=$(realpath "$1") icon=$(realpath "$2") version=$3 out=$(realpath -m "$4")
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
win() { printf '%s' "$1" | tr / '\\'; }

files=$(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)
folders=$(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r)
{
    # Every name this version puts in the folder, folders last (deepest
    # first) with a trailing backslash: the next version removes what it no
    # longer ships by this list.
    for f in $files installed-files.txt uninstall.exe; do printf '%s\r\n' "$(win "$f")"; done
    for d in $folders; do printf '%s\\\r\n' "$(win "$d")"; done
} >"$work/installed-files.txt"
{
    for d in . $(printf '%s\n' $folders | LC_ALL=C sort); do
        printf 'SetOutPath "$INSTDIR%s"\n' "$([ "$d" = . ] || echo "\\$(win "$d")")"
        for f in $files; do
            [ "$(dirname "$f")" = "$d" ] && printf 'File "%s"\n' "$stage/$f"
        done
    done
    printf 'SetOutPath "$INSTDIR"\nFile "%s"\n' "$work/installed-files.txt"
} >"$work/files.nsh"
{
    for f in $files installed-files.txt; do printf 'Delete "$INSTDIR\\%s"\n' "$(win "$f")"; done
    for d in $folders; do printf 'RMDir "$INSTDIR\\%s"\n' "$(win "$d")"; done
} >"$work/remove.nsh"
{
    echo '!macro IsShipped NAME RESULT'
    echo '    StrCpy ${RESULT} 0'
    sep='${If}'
    while IFS= read -r name; do
        printf '    %s ${NAME} == "%s"\n' "$sep" "${name%$'\r'}"
        sep='${OrIf}'
    done <"$work/installed-files.txt"
    echo '        StrCpy ${RESULT} 1'
    echo '    ${EndIf}'
    echo '!macroend'
} >"$work/shipped.nsh"

sign=()
"$here/sign.sh" --status
[ -z "${QUELMAR_SIGN_PKCS12:-}" ] || sign=("-DSIGN=$here/sign.sh \"%1\"")
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DOUTFILE=$out" "-DICON=$icon" \
    "-DFILES=$work/files.nsh" "-DREMOVE=$work/remove.nsh" "-DSHIPPED=$work/shipped.nsh" \
    "${sign[@]}" "$@" "$here/quelmar.nsi"
