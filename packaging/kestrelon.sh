#!/bin/sh
# Starts the installed Kestrelon. It cannot write beside its executable, so each user keeps
# the data in their own folder, created on first start. A --data-folder given by the user
# comes later and wins.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/kestrelon/kestrelon" \
    --data-folder "${XDG_DATA_HOME:-$HOME/.local/share}/kestrelon" "$@"
