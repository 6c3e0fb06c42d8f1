#!/usr/bin/env bash
# Starts the demo host with the calculator embedded. The run directory (which
# holds Task.xml and the user manual) is build/bin.
set -euo pipefail
cd "$(dirname "$0")/../build/bin"
exec ./vardex-host "$@"
