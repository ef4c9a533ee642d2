# Counting checks in the shell tests (sourced).  Each check is a command;
# the test ends with report_checks, which prints "N passed, N failed" and
# fails when any check did.

KMT_CHECKS_PASSED=0
KMT_CHECKS_FAILED=0
KMT_CHECKS_NAME=${KMT_CHECKS_NAME:-$(basename "$0" .sh)}

expect() { # expect <what> <command>...
  local what=$1
  shift
  if "$@"; then
    KMT_CHECKS_PASSED=$((KMT_CHECKS_PASSED + 1))
  else
    KMT_CHECKS_FAILED=$((KMT_CHECKS_FAILED + 1))
    echo "FAILED: $KMT_CHECKS_NAME: $what"
  fi
}

report_checks() {
  echo "$KMT_CHECKS_NAME: $KMT_CHECKS_PASSED passed, $KMT_CHECKS_FAILED failed"
  ((KMT_CHECKS_FAILED == 0))
}
