#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler and
# checks what a Windows build would carry: icon group 1 (language-neutral)
# listing images 30001 to 30003, the three images with their sizes, the
# version block with its numbers, its six strings and its translation, and the
# manifest (type 24, id 1; what it declares is checked in the program file by
# tests/win32/check_windows_program.sh).
#
#   check_windows_resources.sh path/to/tolvane.rc   (made by the build from tolvane.rc.in)
#
# Exits 0 when everything holds, 1 listing every fault otherwise, 77 when the
# resource compiler is not installed.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rc_file=${1:-$here/../build/identity/tolvane.rc}
windres=${WINDRES:-x86_64-w64-mingw32-windres}
# windres runs the script through a C preprocessor; the cross compiler that it
# would call by default is not needed for a script without headers.
preprocessor=${RC_PREPROCESSOR:-cpp}

if ! command -v "$windres" >/dev/null 2>&1; then
    echo "SKIP: $windres not found (Debian package binutils-mingw-w64-x86-64)"
    exit 77
fi
if [ ! -f "$rc_file" ]; then
    echo "FAIL: no resource script at $rc_file"
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$windres" --preprocessor="$preprocessor" -i "$rc_file" -O res -o "$work/tolvane.res" 2>"$work/errors"; then
    echo "FAIL: $windres could not compile $rc_file:"
    cat "$work/errors"
    exit 1
fi
if ! "$windres" -i "$work/tolvane.res" -O rc -o "$work/dump.rc" 2>"$work/errors"; then
    echo "FAIL: $windres could not read back the compiled resources:"
    cat "$work/errors"
    exit 1
fi

faults=0
fail() {
    echo "FAIL: $*"
    faults=$((faults + 1))
}

# The compiled file as one string of hex digits, two per byte.
hex=$(od -An -v -tx1 "$work/tolvane.res" | tr -d ' \n')
total=$((${#hex} / 2))

u8() { echo $((16#${hex:$(($1 * 2)):2})); }
u16() { echo $(($(u8 "$1") | $(u8 $(($1 + 1))) << 8)); }
u32() { echo $(($(u16 "$1") | $(u16 $(($1 + 2))) << 16)); }

# Reads a type or name field at offset $1: sets field to the number, or to
# "string" for a name given as text, and field_end to the offset after it.
read_field() {
    local at=$1
    if [ "$(u16 "$at")" -eq 65535 ]; then
        field=$(u16 $((at + 2)))
        field_end=$((at + 4))
    else
        field=string
        while [ "$(u16 "$at")" -ne 0 ]; do at=$((at + 2)); done
        field_end=$((at + 2))
    fi
}

# Every resource of the file: "type name language size offset", one a line.
# The file starts with an empty entry of type 0, which is not listed.
listing=""
at=0
while [ "$at" -lt "$total" ]; do
    if [ $((at + 32)) -gt "$total" ]; then
        fail "the compiled file ends inside a resource header at byte $at"
        break
    fi
    data_size=$(u32 "$at")
    header_size=$(u32 $((at + 4)))
    read_field $((at + 8)); type=$field
    read_field "$field_end"; name=$field
    language=$(u16 $((at + header_size - 10)))
    data_at=$((at + header_size))
    if [ "$type" != 0 ]; then
        listing+="$type $name $language $data_size $data_at"$'\n'
    fi
    at=$(((data_at + data_size + 3) / 4 * 4))
done

resource() { # type name: prints "language size offset" of that resource
    awk -v t="$1" -v n="$2" '$1 == t && $2 == n { print $3, $4, $5 }' <<<"$listing"
}

# --- What the file holds: nothing but the icon and the version block.
expected_list=$'14 1\n3 30001\n3 30002\n3 30003\n16 1\n24 1'
actual_list=$(awk 'NF { print $1, $2 }' <<<"$listing" | sort)
if [ "$actual_list" != "$(sort <<<"$expected_list")" ]; then
    fail "resources are (type id):" $actual_list "; expected:" $expected_list
fi

# --- The icon images: language-neutral, of the sizes and formats listed.
declare -A image_bytes=([30001]=304 [30002]=744 [30003]=296)
declare -A image_size=([30001]=32 [30002]=32 [30003]=16)
declare -A image_bits=([30001]=1 [30002]=4 [30003]=4)
for id in 30001 30002 30003; do
    read -r language size offset <<<"$(resource 3 "$id")"
    if [ -z "${size:-}" ]; then
        fail "icon image $id is missing"
        continue
    fi
    [ "$language" -eq 0 ] || fail "icon image $id has language $language, not 0"
    [ "$size" -eq "${image_bytes[$id]}" ] || fail "icon image $id has $size bytes, not ${image_bytes[$id]}"
    [ "$(u32 "$offset")" -eq 40 ] || fail "icon image $id does not start with a 40-byte bitmap header"
    [ "$(u32 $((offset + 4)))" -eq "${image_size[$id]}" ] || fail "icon image $id is not ${image_size[$id]} pixels wide"
    [ "$(u32 $((offset + 8)))" -eq $((2 * image_size[$id])) ] || fail "icon image $id: bitmap height is not twice its width (colour rows and mask)"
    [ "$(u16 $((offset + 14)))" -eq "${image_bits[$id]}" ] || fail "icon image $id has $(u16 $((offset + 14))) bits per pixel, not ${image_bits[$id]}"
done

# --- The icon group: id 1, language-neutral, listing the three images.
read -r language size offset <<<"$(resource 14 1)"
if [ -z "${size:-}" ]; then
    fail "icon group 1 is missing"
else
    [ "$language" -eq 0 ] || fail "icon group 1 has language $language, not 0"
    [ "$size" -eq 48 ] || fail "icon group 1 has $size bytes, not 48 (6 + 3 entries of 14)"
    [ "$(u16 "$offset")" -eq 0 ] && [ "$(u16 $((offset + 2)))" -eq 1 ] || fail "icon group 1 is not marked as an icon directory"
    [ "$(u16 $((offset + 4)))" -eq 3 ] || fail "icon group 1 lists $(u16 $((offset + 4))) images, not 3"
    # width height colours planes bits bytes id, for each entry in order
    expected_entries=("32 32 2 1 1 304 30001" "32 32 16 1 4 744 30002" "16 16 16 1 4 296 30003")
    for i in 0 1 2; do
        e=$((offset + 6 + 14 * i))
        entry="$(u8 "$e") $(u8 $((e + 1))) $(u8 $((e + 2))) $(u16 $((e + 4))) $(u16 $((e + 6))) $(u32 $((e + 8))) $(u16 $((e + 12)))"
        [ "$entry" = "${expected_entries[$i]}" ] || fail "icon group entry $((i + 1)) is '$entry', expected '${expected_entries[$i]}'"
    done
fi

# --- The version block: its fixed part, read from the bytes.
read -r language size offset <<<"$(resource 16 1)"
if [ -z "${size:-}" ]; then
    fail "version block 1 is missing"
else
    block=${hex:$((offset * 2)):$((size * 2))}
    prefix=${block%%bd04effe*}
    if [ "$prefix" = "$block" ]; then
        fail "the version block has no fixed part (signature 0xFEEF04BD)"
    else
        f=$((offset + ${#prefix} / 2))
        # signature, structure version, file version (2), product version (2),
        # flags mask, flags, OS, type, subtype, date (2)
        fixed=""
        for k in $(seq 0 12); do fixed+="$(printf '%08x' "$(u32 $((f + 4 * k)))") "; done
        expected_fixed="feef04bd 00010000 00010000 00000000 00010000 00000000 00000000 00000000 00000004 00000001 00000000 00000000 00000000 "
        if [ "$fixed" != "$expected_fixed" ]; then
            fail "version fixed part is: $fixed"
            echo "      expected:              $expected_fixed"
            echo "      (file version 1.0.0.0, product version 1.0.0.0, no flags, 32-bit Windows, application, no subtype, no date)"
        fi
    fi
fi

# --- Its strings and translation, as the resource compiler reads them back.
strings=$(awk '/BLOCK "StringFileInfo"/ { s = 1 } s && /VALUE/ { print } /BLOCK "VarFileInfo"/ { s = 0 }' "$work/dump.rc")
grep -q 'BLOCK "040C04B0"' "$work/dump.rc" || fail 'no string table "040C04B0"'
[ "$(grep -c 'BLOCK "' <<<"$(awk '/BLOCK "StringFileInfo"/ { s = 1 } /BLOCK "VarFileInfo"/ { s = 0 } s' "$work/dump.rc")")" -eq 2 ] \
    || fail "StringFileInfo does not hold exactly one string table"
count=$(grep -c 'VALUE' <<<"$strings")
[ "$count" -eq 6 ] || fail "the string table has $count entries, not 6"
for key in CompanyName ProductName InternalName OriginalFilename; do
    grep -Eq "VALUE \"$key\", \"[^\"]+\"" <<<"$strings" || fail "no non-empty \"$key\" entry"
done
for key in FileVersion ProductVersion; do
    grep -Eq "VALUE \"$key\", \"1\.00\"\$" <<<"$strings" || fail "\"$key\" is not \"1.00\""
done
translation=$(grep 'VALUE "Translation"' "$work/dump.rc")
grep -Eiq 'VALUE "Translation", (0x40c|1036), (0x4b0|1200)$' <<<"$translation" \
    || fail "translation is '${translation# *}', expected one pair 040C, 04B0"

if [ "$faults" -ne 0 ]; then
    echo "--- compiled resources read back:"
    cat "$work/dump.rc"
    echo "$faults fault(s) in $rc_file"
    exit 1
fi
echo "OK: icon group 1 with images 30001-30003 (304, 744, 296 bytes), version 1.0.0.0, strings 040C04B0, translation 040C/04B0"
exit 0
