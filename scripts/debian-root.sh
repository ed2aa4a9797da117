# A throwaway Debian root to run the project's checks in, as on a fresh
# machine of that release. Sourced by the scripts that use one; needs root,
# and installs only debootstrap on this machine.
#
#   debian_root_make RELEASE   makes a fresh root of RELEASE (12, bookworm,
#                              13 or trixie) in $DEBIAN_ROOT, removed again
#                              on every exit of the script, interrupts too
#   debian_root_run COMMAND    runs a bash COMMAND as root inside it, with a
#                              clean environment and /proc, /sys and /dev
#                              bound in for that command alone
#
# The plain root that debootstrap makes, and the packages apt downloads into
# it, are kept under ${NEONVINE_CACHE:-~/.cache/neonvine} between runs; every
# root starts as a copy of the plain one.

debian_root_cache="${NEONVINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/neonvine}"
DEBIAN_ROOT=""

debian_codename() {
  case "$1" in
  12 | bookworm) echo bookworm ;;
  13 | trixie) echo trixie ;;
  *) echo "unknown Debian release: $1 (12, bookworm, 13 or trixie)" >&2 && return 1 ;;
  esac
}

# The plain root of a release, made once.
debian_root_plain() {
  local plain="$debian_root_cache/debian-$1"
  if [ ! -e "$plain/.complete" ]; then
    "$(dirname "${BASH_SOURCE[0]}")/install-missing" debootstrap >&2
    rm -rf --one-file-system "$plain"
    mkdir -p "$debian_root_cache"
    echo "Making a plain Debian $1 root in $plain" >&2
    debootstrap --variant=minbase "$1" "$plain" http://deb.debian.org/debian >"$plain.log" 2>&1 ||
      { tail -20 "$plain.log" >&2 && return 1; }
    touch "$plain/.complete"
  fi
  echo "$plain"
}

debian_root_make() {
  local codename plain
  codename="$(debian_codename "$1")" && plain="$(debian_root_plain "$codename")" || return 1
  trap debian_root_remove EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  debian_root_apt="$debian_root_cache/apt-$codename"
  mkdir -p "$debian_root_cache/roots" "$debian_root_apt"
  DEBIAN_ROOT="$(mktemp -d "$debian_root_cache/roots/$codename.XXXXXX")"
  cp -a "$plain/." "$DEBIAN_ROOT/"
  rm "$DEBIAN_ROOT/.complete"
  printf 'deb http://deb.debian.org/debian %s main\n' "$codename" "$codename-updates" >"$DEBIAN_ROOT/etc/apt/sources.list"
  printf 'deb http://deb.debian.org/debian-security %s-security main\n' "$codename" >>"$DEBIAN_ROOT/etc/apt/sources.list"
  cp /etc/resolv.conf "$DEBIAN_ROOT/etc/resolv.conf"
  # No service starts inside the root.
  printf '#!/bin/sh\nexit 101\n' >"$DEBIAN_ROOT/usr/sbin/policy-rc.d"
  chmod +x "$DEBIAN_ROOT/usr/sbin/policy-rc.d"
}

# The mounts live in a mount namespace of the command's own, so they go with
# it however it ends, and the host's /dev is never reachable under the root
# from outside it. Run in the background, so that an interrupt is handled at
# once rather than when the command ends.
debian_root_run() {
  unshare --mount --propagation private -- bash -euc '
    mount -t proc proc "$1/proc"
    mount --bind /sys "$1/sys"
    mount --bind /dev "$1/dev"
    mount --bind /dev/pts "$1/dev/pts"
    mount -t tmpfs tmpfs "$1/dev/shm"
    mount --bind "$2" "$1/var/cache/apt/archives"
    exec chroot "$1" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "$3"' - \
    "$DEBIAN_ROOT" "$debian_root_apt" "$1" &
  wait "$!"
}

debian_root_processes() {
  local pid
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    [ "$(readlink "/proc/$pid/root" 2>/dev/null)" != "$DEBIAN_ROOT" ] || echo "$pid"
  done
}

# Stops what still runs inside the root (what it starts meanwhile too), then
# removes it.
debian_root_remove() {
  local status=$? round pids
  trap - EXIT INT TERM
  if [ -n "$DEBIAN_ROOT" ]; then
    for round in $(seq 20); do
      pids="$(debian_root_processes)"
      [ -n "$pids" ] || break
      kill -9 $pids 2>/dev/null || true
      sleep 0.2
    done
    rm -rf --one-file-system "$DEBIAN_ROOT"
  fi
  exit "$status"
}
