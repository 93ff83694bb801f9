#!/usr/bin/env bash
# Runs a command as on a desktop set to another language, without installing
# anything: the C library's locale is compiled into a folder of this run's own.
#
#   in_locale.sh tr_TR.UTF-8 command [args...]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 LOCALE command..."; exit 2; }
locale=$1
shift
if ! command -v localedef >/dev/null 2>&1; then
    echo "SKIP: localedef not found (Debian package libc-bin)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
localedef -i "${locale%%.*}" -f "${locale#*.}" "$work/$locale" >/dev/null 2>&1 || true
if [ ! -d "$work/$locale" ]; then
    echo "SKIP: the locale $locale could not be compiled (Debian package locales)"
    exit 77
fi
export LOCPATH="$work" LC_ALL="$locale" LANG="$locale"
echo "in $locale"
"$@" &
wait $!
