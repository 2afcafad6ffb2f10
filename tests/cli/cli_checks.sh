# Sourced by every tessaly-cli test script: $1 is the program. Gives a work folder that is
# removed at exit, XDG folders inside it, and the checks that count failures.
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
failures=0

check() {  # description, expected, actual
  if [[ "$2" != "$3" ]]; then
    echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"; failures=$((failures + 1))
  fi
}

check_that() {  # description, then a command that must succeed
  local what="$1"; shift
  if ! "$@"; then echo "FAIL: $what"; failures=$((failures + 1)); fi
}

finish() { exit $((failures > 0)); }
