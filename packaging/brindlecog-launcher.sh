#!/bin/sh
# Starts Brindlecog from its game folder, wherever the install was put.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../share/brindlecog/brindlecog" "$@"
