# A throwaway Debian root to run the project's checks in, as on a fresh
# machine of that release. Sourced by the scripts that use one; needs root,
# and installs only debootstrap (and qemu-user-static, for ARM) on this
# machine.
#
#   debian_root_make RELEASE   makes a fresh root of RELEASE (12, bookworm,
#                              13 or trixie) in $DEBIAN_ROOT, removed again
#                              on every exit of the script, interrupts too
#   debian_root_add_arm64 RELEASE
#                              puts a fresh 64-bit ARM root of RELEASE at
#                              /arm64 inside it, for the ARM programs to run
#                              in (scripts/arm64-root)
#   debian_root_run COMMAND    runs a bash COMMAND as root inside it, with a
#                              clean environment and /proc, /sys and /dev
#                              bound in for that command alone
#
# The plain roots that debootstrap makes, and the packages apt downloads into
# them, are kept under ${NEONVINE_CACHE:-~/.cache/neonvine} between runs;
# every root starts as a copy of a plain one. An ARM root is made and its own
# programs run through qemu-aarch64-static, which the kernel's binfmt_misc
# starts for them; where the kernel cannot, the plain ARM root is only
# unpacked, and scripts/arm64-root runs its programs through qemu itself.

debian_root_cache="${NEONVINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/neonvine}"
DEBIAN_ROOT=""

debian_codename() {
  case "$1" in
  12 | bookworm) echo bookworm ;;
  13 | trixie) echo trixie ;;
  *) echo "unknown Debian release: $1 (12, bookworm, 13 or trixie)" >&2 && return 1 ;;
  esac
}

# Lets the kernel run 64-bit ARM programs through qemu-aarch64-static, with
# the handler Debian's qemu-user-static describes (fixed: it also works inside
# a root); fails where the kernel will not. The handler stays for this boot,
# as qemu-user-binfmt would leave it.
debian_root_binfmt() {
  local handler=/proc/sys/fs/binfmt_misc/qemu-aarch64
  "$(dirname "${BASH_SOURCE[0]}")/install-missing" qemu-user-static >&2 || return 1
  grep -qs '^enabled' "$handler" && return 0
  grep -qs ' /proc/sys/fs/binfmt_misc ' /proc/mounts ||
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || return 1
  [ -e "$handler" ] || cat /usr/lib/binfmt.d/qemu-aarch64.conf >/proc/sys/fs/binfmt_misc/register 2>/dev/null
  echo 1 >"$handler" 2>/dev/null && grep -qs '^enabled' "$handler"
}

# The plain root of a release and architecture, made once (by one script at a
# time). An ARM root made without binfmt is only unpacked, and is made again
# once binfmt works.
debian_root_plain() {
  local plain="$debian_root_cache/debian-$1${2:+-$2}" foreign=()
  mkdir -p "$debian_root_cache"
  exec {lock}>"$plain.lock"
  flock "$lock"
  if [ "${2:-}" = arm64 ] && ! debian_root_binfmt; then
    foreign=(--foreign)
    [ "$(cat "$plain/.complete" 2>/dev/null)" = unpacked ] || rm -f "$plain/.complete"
  elif [ "$(cat "$plain/.complete" 2>/dev/null)" = unpacked ]; then
    rm "$plain/.complete"
  fi
  if [ ! -e "$plain/.complete" ]; then
    "$(dirname "${BASH_SOURCE[0]}")/install-missing" debootstrap >&2
    rm -rf --one-file-system "$plain"
    echo "Making a plain Debian $1 ${2:-amd64} root in $plain" >&2
    debootstrap --variant=minbase ${2:+--arch="$2"} "${foreign[@]}" "$1" "$plain" http://deb.debian.org/debian \
      >"$plain.log" 2>&1 || { tail -20 "$plain.log" >&2 && exec {lock}>&- && return 1; }
    echo "${foreign:+unpacked}" >"$plain/.complete"
  fi
  exec {lock}>&-
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
  debian_root_copy "$plain" "$DEBIAN_ROOT" "$codename"
}

debian_root_add_arm64() {
  local codename plain
  codename="$(debian_codename "$1")" && plain="$(debian_root_plain "$codename" arm64)" || return 1
  debian_root_arm64_apt="$debian_root_cache/apt-$codename"
  mkdir -p "$debian_root_arm64_apt" "$DEBIAN_ROOT/arm64"
  debian_root_copy "$plain" "$DEBIAN_ROOT/arm64" "$codename"
}

# debian_root_copy PLAIN ROOT CODENAME: a root made from the plain one, with
# the release's sources and this machine's name servers.
debian_root_copy() {
  cp -a "$1/." "$2/"
  rm "$2/.complete"
  printf 'deb http://deb.debian.org/debian %s main\n' "$3" "$3-updates" >"$2/etc/apt/sources.list"
  printf 'deb http://deb.debian.org/debian-security %s-security main\n' "$3" >>"$2/etc/apt/sources.list"
  cp /etc/resolv.conf "$2/etc/resolv.conf"
  # No service starts inside the root.
  printf '#!/bin/sh\nexit 101\n' >"$2/usr/sbin/policy-rc.d"
  chmod +x "$2/usr/sbin/policy-rc.d"
}

# The mounts live in a mount namespace of the command's own, so they go with
# it however it ends, and the host's /dev is never reachable under the root
# from outside it. Run in the background, so that an interrupt is handled at
# once rather than when the command ends.
debian_root_run() {
  unshare --mount --propagation private -- bash -euc '
    mounts() {
      mount -t proc proc "$1/proc"
      mount --bind /sys "$1/sys"
      mount --bind /dev "$1/dev"
      mount --bind /dev/pts "$1/dev/pts"
      mount -t tmpfs tmpfs "$1/dev/shm"
      mount --bind "$2" "$1/var/cache/apt/archives"
    }
    mounts "$1" "$2"
    [ ! -d "$1/arm64/proc" ] || mounts "$1/arm64" "$3"
    exec chroot "$1" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "$4"' - \
    "$DEBIAN_ROOT" "$debian_root_apt" "${debian_root_arm64_apt:-}" "$1" &
  wait "$!"
}

debian_root_processes() {
  local pid
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    case "$(readlink "/proc/$pid/root" 2>/dev/null)/" in "$DEBIAN_ROOT"/*) echo "$pid" ;; esac
  done
}

# Stops what still runs inside the root or the ARM root in it (what they start
# meanwhile too), then removes it.
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
