#!/bin/bash
# tessaly-cli crc: the sum of the CRC-32 of each 2048-byte block, "%8X" and the path.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

: > "$work/empty"
python3 -c 'import sys; sys.stdout.buffer.write(bytes((i*7+3)%256 for i in range(5000)))' > "$work/data"
# Expected value computed independently: sum of zlib.crc32 of each 2048-byte block, mod 2**32.
expected=$(python3 -c '
import zlib
d = open("'"$work/data"'", "rb").read()
print("%8X" % (sum(zlib.crc32(d[k:k+2048]) for k in range(0, len(d), 2048)) % 2**32))')

out=$("$cli" crc "$work/empty" "$work/data")
check "exit code" 0 $?
check "empty file and data file" "       0"$'\t'"$work/empty"$'\n'"$expected"$'\t'"$work/data" "$out"

out=$("$cli" crc "$work/data" "$work/missing" 2>/dev/null)
check "a missing file fails" 1 "$(( $? != 0 ))"
check "nothing written on failure" "" "$out"

finish
