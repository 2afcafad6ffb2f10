#!/bin/bash
# tessaly-cli details: the rows of the details window as label<TAB>value lines, then the
# version items of a Windows program.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"
value() { awk -F'\t' -v k="$1" '$1 == k {print $2; exit}' <<<"$out"; }

head -c 4097 /dev/zero > "$work/.notes"
touch -d '2001-03-14 09:30' "$work/.notes"
chmod 0444 "$work/.notes"
out=$("$cli" details "$work/.notes")
check "exit code" 0 $?
check "labels in order" "Name of file,Type of file,Size,Clusters,Creation date,Modification date,Access date,Attributes" \
  "$(cut -f1 <<<"$out" | paste -sd,)"
check "name" "$work/.notes" "$(value 'Name of file')"
check "size" "4097 bytes" "$(value Size | tr -d ,)"
block=$(stat -f -c %s "$work")
check "clusters" "Cluster size: $block  Clusters used : $(( (4097 + block - 1) / block ))" "$(value Clusters | tr -d ,)"
check_that "modification date in 2001" grep -q 2001 <<<"$(value 'Modification date')"
check "attributes" "ReadOnly Hidden" "$(value Attributes)"

# A small Windows program whose version resource holds two strings.
python3 - "$work/tool.exe" <<'PY'
import struct, sys
def node(key, value, vlen, vtype, children=()):
    body = struct.pack('<HHH', 0, vlen, vtype) + (key + '\0').encode('utf-16-le')
    body += b'\0' * (-len(body) % 4) + value
    for child in children:
        body += b'\0' * (-len(body) % 4) + child
    return struct.pack('<H', len(body)) + body[2:]
def string(name, text):
    return node(name, (text + '\0').encode('utf-16-le'), len(text) + 1, 1)
table = node('040904B0', b'', 0, 1, [string('CompanyName', 'Quornel Corporation'), string('FileVersion', '3.1.0.7')])
info = node('StringFileInfo', b'', 0, 1, [table])
var = node('VarFileInfo', b'', 0, 1, [node('Translation', struct.pack('<HH', 0x409, 0x4B0), 4, 0)])
block = node('VS_VERSION_INFO', struct.pack('<I', 0xFEEF04BD) + b'\0' * 48, 52, 0, [info, var])
rva, raw = 0x1000, 0x200
res = bytearray(0x58)
for base, ident, target in ((0, 16, 0x80000018), (0x18, 1, 0x80000030), (0x30, 0x409, 0x48)):
    struct.pack_into('<HII', res, base + 14, 1, ident, target)
struct.pack_into('<II', res, 0x48, rva + 0x58, len(block))
res += block
pe = bytearray(raw)
pe[0:2] = b'MZ'
struct.pack_into('<I', pe, 0x3C, 0x40)
pe[0x40:0x44] = b'PE\0\0'
struct.pack_into('<HHIIIHH', pe, 0x44, 0x14C, 1, 0, 0, 0, 224, 0x102)
opt = 0x58
struct.pack_into('<H', pe, opt, 0x10B)
struct.pack_into('<I', pe, opt + 92, 16)
struct.pack_into('<II', pe, opt + 96 + 16, rva, len(res))
struct.pack_into('<8sIIII', pe, opt + 224, b'.rsrc', len(res), rva, len(res), raw)
open(sys.argv[1], 'wb').write(bytes(pe + res))
PY
out=$("$cli" details "$work/tool.exe" "$work/.notes")
check "two files" 0 $?
check "company" "Quornel Corporation" "$(value Company)"
check "file version" "3.1.0.7" "$(value 'File version')"
check "an entry the file lacks is empty" "" "$(value 'Special build info')"
check "eleven version items" 11 "$(awk -F'\t' '/^Company$/,/^Special build info$/' <(cut -f1 <<<"$out") | wc -l)"
check "an empty line between the files" 1 "$(grep -c '^$' <<<"$out")"

out=$("$cli" details "$work/.notes" "$work/missing" 2>/dev/null)
check "a missing file fails" 1 "$(( $? != 0 ))"
check "nothing written on failure" "" "$out"

finish
