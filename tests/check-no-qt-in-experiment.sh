#!/usr/bin/env bash
# Fails if any file of the experiment includes a Qt header.
set -u
hits=$(grep -rnE '#\s*include\s*[<"](Q[A-Za-z]|qt|Qt)' "$1" || true)
if [ -n "$hits" ]; then
  echo "Qt headers included in the experiment:"; echo "$hits"; exit 1
fi
echo "no Qt header in $1"
