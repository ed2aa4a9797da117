#!/bin/sh
# Removes what install.sh installed, exactly those files.
exec "$(dirname "$0")/install.sh" --uninstall
