#!/usr/bin/env bash
# Signing, proven before a real certificate exists: a throw-away
# self-made certificate signs both programs and an installer made from the
# zip's folder; the installer, run under Wine in a fresh prefix, writes its
# uninstaller. Each of the four then carries a signature over its own
# bytes, which `osslsigncode verify` checks, and a program changed by one
# byte after signing fails the check.
# Usage: sign_check.sh STAGE ICON WORK
set -euo pipefail
stage=$(realpath "$1") icon=$(realpath "$2") work=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
[ -d "$stage" ] || { echo "no $stage: ./build.sh windows makes it"; exit 77; }
command -v osslsigncode >/dev/null || { echo "osslsigncode is not installed"; exit 77; }
rm -rf "$work" && mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
unset WINEPATH
trap 'wineserver -k 2>/dev/null || true' EXIT
cd "$work"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
    -subj "/CN=Quelmar test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.p12 -passout pass:'pa$$ word'
export QUELMAR_SIGN_PKCS12=$work/cert.p12 QUELMAR_SIGN_PASSWORD='pa$$ word'
unset QUELMAR_SIGN_TIMESTAMP
cp -r "$stage" stage
"$here/../packaging/windows/sign.sh" stage/quelmar.exe stage/quelmar.com
"$here/../packaging/windows/make-installer.sh" stage "$icon" 1.0 setup.exe \
    -X'SetCompressor /FINAL zlib' >/dev/null
wineboot -i >/dev/null 2>&1
wine setup.exe /S '/D=C:\Quelmar'
verify() { osslsigncode verify -CAfile cert.pem -in "$1" >"$work/verify.txt" 2>&1; }
for file in stage/quelmar.exe stage/quelmar.com setup.exe prefix/drive_c/Quelmar/uninstall.exe; do
    verify "$file" || { cat verify.txt; echo "FAIL: $file is not signed as it should be"; exit 1; }
    echo "$file: signed"
done
cp stage/quelmar.exe changed.exe
printf 'x' | dd of=changed.exe bs=1 seek=4096 conv=notrunc 2>/dev/null
! verify changed.exe || { echo "FAIL: a changed program still verifies"; exit 1; }
