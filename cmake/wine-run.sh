#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's prefix (CTest emulator).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$WINE" "$@"
