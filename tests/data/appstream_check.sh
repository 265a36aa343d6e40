#!/usr/bin/env bash
# appstream_check.sh validate FILE | validate-tree DIR: AppStream's validator
# reports nothing but what the project cannot mend yet:
#   url-homepage-missing (AppStream 1.0): the project has no public home;
#   unknown-tag developer (AppStream 0.16, Debian 12): the element is new in 1.0.
set -euo pipefail
report=$(appstreamcli "$1" --no-net "$2" 2>&1) || true
[[ $report == *Validation* ]] || { echo "FAIL: appstreamcli $1 gave no verdict: $report" >&2; exit 1; }
problems=$(grep -E '^[EWI]: ' <<<"$report" | grep -vE ': (url-homepage-missing|unknown-tag developer)$' || true)
[[ -z $problems ]] || { echo "FAIL: $problems" >&2; exit 1; }
