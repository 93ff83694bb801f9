#!/usr/bin/env bash
# Checks the Windows program file as Windows would see it: a GUI program for
# subsystem version 6.0 or later, importing only DLLs that Windows itself ships
# (the C and C++ runtimes are inside it), carrying icon group 1 with images
# 30001-30003 (304, 744 and 296 bytes), the French version block, and the
# manifest (id 1) that asks for per-monitor DPI awareness v2 with per-monitor
# as fallback, Common Controls 6, and Windows 10 and 11.
#
#   check_windows_program.sh build/windows/tolvane.exe
#
# Exits 0 when all holds, 1 listing every fault, 77 when objdump is missing.
set -uo pipefail

objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
command -v "$objdump" >/dev/null 2>&1 || { echo "SKIP: $objdump not found"; exit 77; }
program=${1:?usage: $0 program.exe}
[ -f "$program" ] || { echo "FAIL: no program at $program"; exit 1; }

headers=$("$objdump" -p "$program")
faults=0
fail() {
    echo "FAIL: $*"
    faults=$((faults + 1))
}

grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI program (no console window expected)"
grep -q 'file format pei-x86-64' <<<"$headers" || fail "not a 64-bit Windows program"
subsystem=$(awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { minor = $2 }
    END { print major "." minor }' <<<"$headers")
[ "${subsystem%%.*}" -ge 6 ] 2>/dev/null || fail "subsystem version $subsystem, not 6.0 or later"

# DLLs every Windows 10 has; nothing from the compiler's own runtime.
allowed=" KERNEL32.dll USER32.dll GDI32.dll MSIMG32.dll msvcrt.dll ole32.dll OLEAUT32.dll SHLWAPI.dll ADVAPI32.dll SHELL32.dll SHCORE.dll COMCTL32.dll WindowsCodecs.dll "
imports=$(awk '/DLL Name:/ { print $3 }' <<<"$headers")
for dll in $imports; do
    [[ "${allowed,,}" == *" ${dll,,} "* ]] || fail "imports $dll, which Windows does not ship"
done
[ -n "$imports" ] || fail "no import table read"

# The resource directory: type, name, language and size of every leaf.
leaves=$(awk '
    /The .rsrc Resource Directory section/ { on = 1; next }
    !on { next }
    /Entry: ID:/ {
        match($0, /^[0-9a-f]+ +/); depth = RLENGTH
        id = $4; sub(/,$/, "", id)
        if (!(depth in level)) { n++; level[depth] = n }
        if (level[depth] == 1) type = id; else if (level[depth] == 2) name = id; else lang = id
    }
    /Leaf:/ { size = $6; sub(/,$/, "", size); print type, name, lang, size }
' <<<"$headers" | while read -r type name lang size; do
    echo "$((16#${type#0x})) $((16#${name#0x})) $((16#${lang#0x})) $((16#${size#0x}))"
done)
has() { grep -qx "$1" <<<"$leaves" || fail "$2"; }
has "3 30001 0 304" "icon image 30001 (32x32, 2 colours, 304 bytes, language-neutral) missing"
has "3 30002 0 744" "icon image 30002 (32x32, 16 colours, 744 bytes) missing"
has "3 30003 0 296" "icon image 30003 (16x16, 16 colours, 296 bytes) missing"
has "14 1 0 48" "icon group 1 (three entries, 48 bytes) missing"
grep -Eq '^16 1 1036 [0-9]+$' <<<"$leaves" || fail "version block 1 in French (040C) missing"

# The manifest: Windows reads RT_MANIFEST (24) id 1 before the program starts.
grep -Eq '^24 1 [0-9]+ [0-9]+$' <<<"$leaves" || fail "no manifest (resource type 24, id 1)"
if command -v strings >/dev/null 2>&1; then
    manifest=$(strings -n 2 "$program" | sed -n '/^<?xml/,/<\/assembly>/p' | tr '\n' ' ' | tr -s ' ')
    declares() { grep -Eq "$1" <<<"$manifest" || fail "the manifest does not declare $2"; }
    declares '<dpiAwareness[^>]*>PerMonitorV2, ?PerMonitor</dpiAwareness>' \
        "per-monitor DPI awareness v2, then per-monitor (dpiAwareness)"
    declares '<dpiAware[^>]*>true/pm</dpiAware>' "per-monitor DPI awareness for Windows before 10 1607 (dpiAware)"
    declares '<dependentAssembly> ?<assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6\.0\.0\.0"' \
        "Common Controls 6"
    declares '<supportedOS Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}"/>' "Windows 10 and 11 (supportedOS)"
    if command -v python3 >/dev/null 2>&1; then
        python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parseString(sys.stdin.read())' <<<"$manifest" \
            2>/dev/null || fail "the manifest is not well-formed XML"
    fi
fi

# The version block's fixed part: file and product version 1.0.0.0.
if command -v strings >/dev/null 2>&1; then
    strings -el "$program" | grep -qx '040C04B0' || fail "no string table 040C04B0 in the version block"
    strings -el "$program" | grep -qx '1.00' || fail "no version string 1.00"
fi

if [ "$faults" -ne 0 ]; then
    echo "--- resources found (type name language size):"
    echo "$leaves"
    echo "--- imports: $imports"
    exit 1
fi
echo "OK: $(basename "$program"): GUI for subsystem $subsystem, imports$(printf ' %s' $imports), icon group 1 with 30001-30003, version block 040C, manifest"
