#!/usr/bin/env bash
# Signs Windows programs in place with osslsigncode (Authenticode, SHA-256),
# when a certificate is given:
#   QUELMAR_SIGN_PKCS12     the PKCS#12 file (.p12, .pfx) of the certificate
#                           and its key
#   QUELMAR_SIGN_PASSWORD   its password
#   QUELMAR_SIGN_TIMESTAMP  an RFC 3161 time-stamp server's URL, so that the
#                           signature outlives the certificate
# Only options that every osslsigncode from 2.5 on knows. Without
# QUELMAR_SIGN_PKCS12 it signs nothing; `sign.sh --status` says which.
# Usage: sign.sh --status | FILE...
set -euo pipefail
if [ "${1:-}" = --status ]; then
    if [ -z "${QUELMAR_SIGN_PKCS12:-}" ]; then
        echo "Not signing: QUELMAR_SIGN_PKCS12 is not set (Windows will warn about an unsigned program)"
    elif [ -z "${QUELMAR_SIGN_TIMESTAMP:-}" ]; then
        echo "Signing with $QUELMAR_SIGN_PKCS12, without a time stamp (QUELMAR_SIGN_TIMESTAMP is not set): the signatures end with the certificate"
    else
        echo "Signing with $QUELMAR_SIGN_PKCS12, time-stamped by $QUELMAR_SIGN_TIMESTAMP"
    fi
    exit 0
fi
[ -n "${QUELMAR_SIGN_PKCS12:-}" ] || exit 0
if [ ! -r "$QUELMAR_SIGN_PKCS12" ]; then
    echo "sign.sh: cannot read the certificate $QUELMAR_SIGN_PKCS12" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The password goes through a file of this user's alone, never on a command
# line that every process can read.
(umask 077 && printf '%s' "${QUELMAR_SIGN_PASSWORD:-}" >"$work/password")
stamp=()
[ -z "${QUELMAR_SIGN_TIMESTAMP:-}" ] || stamp=(-ts "$QUELMAR_SIGN_TIMESTAMP")
for file in "$@"; do
    osslsigncode sign -pkcs12 "$QUELMAR_SIGN_PKCS12" -readpass "$work/password" -h sha256 \
        -n Quelmar -i https://quelmar.github.io/Quelmar/ "${stamp[@]}" \
        -in "$file" -out "$work/signed" >"$work/log" 2>&1 ||
        { cat "$work/log" >&2; echo "sign.sh: could not sign $file" >&2; exit 1; }
    # Over the file in place: NSIS hands its own path and takes the file back.
    cat "$work/signed" >"$file"
    rm "$work/signed"
done
