#!/bin/sh
# Runs a command with QUELMAR_SMALL_DISK naming, in Wine's spelling (Z:),
# a 64 KiB tmpfs mounted at DIR for the run. Where nothing may be mounted
# it says so and ends with status 77, which ctest shows as skipped. The
# tmpfs goes on every way out, a signal from ctest's time-out included.
# Usage: small_disk.sh DIR COMMAND...
dir=$1
shift
mkdir -p "$dir"
if ! mount -t tmpfs -o size=64k quelmar-small-disk "$dir"; then
    echo "cannot mount a tmpfs at $dir: the full destination goes untested" >&2
    exit 77
fi
trap 'umount "$dir"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
QUELMAR_SMALL_DISK=$(winepath -w "$dir") "$@"
