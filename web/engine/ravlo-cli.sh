#!/bin/sh
# ravlo-cli of the web edition as a command, for scripts and tests that run programs.
exec node "$(dirname "$0")/ravlo-cli.mjs" "$@"
