#!/usr/bin/env bash
# Tries Duelmark on a fresh Debian of the given suite, as a new user would: a minimal
# debootstrap chroot, a clone of this tree's HEAD in it, `make test` and `make package`, then
# the package installed, started briefly and removed. Prints how long each phase took.
# Every mount and process it starts is gone when it ends, whether it passes or fails.
#
# Usage, as root:  scripts/test-in-chroot.sh SUITE        (bookworm, trixie, forky, ...)
# DUELMARK_CHROOT=DIR keeps the chroot in DIR and uses it again next time (for repeated
# trials); without it the chroot is made in a temporary folder and removed at the end.
# DUELMARK_MIRROR=URL names the Debian mirror; the default is the one this machine's apt uses.
set -euo pipefail

suite=${1:?usage: $0 SUITE, a Debian suite such as trixie}
[ "$(id -u)" -eq 0 ] || { echo "debootstrap and the chroot's mounts need root." >&2; exit 1; }
for tool in debootstrap git mount chroot; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install $tool)." >&2; exit 1; }
done
tree=$(cd "$(dirname "$0")/.." && pwd)

host_mirror() {
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
    sed -n -e 's|^URIs: *\([^ ]*/debian\)/\?$|\1|p' -e 's|^deb \+\(\[[^]]*\] \+\)\?\([^ ]*/debian\)/\? .*|\2|p' |
    head -n 1
}
mirror=${DUELMARK_MIRROR:-$(host_mirror)}
mirror=${mirror:-http://deb.debian.org/debian}

if [ -n "${DUELMARK_CHROOT:-}" ]; then
  keep=true
  mkdir -p "$DUELMARK_CHROOT"
  root=$(realpath "$DUELMARK_CHROOT")
else
  keep=false
  root=$(mktemp -d "/var/tmp/duelmark-$suite.XXXXXX")
  chmod 755 "$root"  # the chroot's /, which its plain users (apt's among them) must be able to enter
fi
case "$root" in *' '* | / | '') echo "The chroot's path must be a folder without spaces: $root" >&2; exit 1 ;; esac

phases=()
phase_name=
phase_start=0
report() {
  echo
  echo "Duelmark on Debian $suite, phase times:"
  local line
  for line in "${phases[@]}"; do echo "  $line"; done
}
run_phase() {  # NAME COMMAND...
  phase_name=$1
  phase_start=$SECONDS
  echo "== $phase_name"
  # Each line with the time it was written, to tell where a phase spends its time.
  "${@:2}" 2>&1 | while IFS= read -r line; do printf '%(%H:%M:%S)T %s\n' -1 "$line"; done
  phases+=("$(printf '%-22s %5d s' "$phase_name" $((SECONDS - phase_start)))")
  phase_name=
}

# Processes whose root is the chroot were started by this script, inside it.
chroot_processes() {
  local process
  for process in /proc/[0-9]*; do
    [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && echo "${process#/proc/}"
  done
  return 0
}
mounts_below_root() { awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/mounts | sort -r; }

cleanup() {
  local status=$?
  trap - EXIT INT TERM
  [ -n "$phase_name" ] && phases+=("$(printf '%-22s %5d s  FAILED' "$phase_name" $((SECONDS - phase_start)))")
  local left
  left=$(chroot_processes)
  if [ -n "$left" ]; then
    echo "Ending the processes left in the chroot: $(echo $left)"
    kill -TERM $left 2>/dev/null || true
    sleep 2
    left=$(chroot_processes)
    [ -z "$left" ] || kill -KILL $left 2>/dev/null || true
  fi
  local mount_point
  for mount_point in $(mounts_below_root); do
    umount "$mount_point" 2>/dev/null || umount --lazy "$mount_point"
  done
  if ! $keep; then
    if [ -n "$(mounts_below_root)" ]; then
      echo "Not removing $root: something is still mounted below it." >&2
      status=1
    else
      local removal_start=$SECONDS
      rm -rf --one-file-system "$root" "$root.debootstrap.log"
      phases+=("$(printf '%-22s %5d s' "removing the chroot" $((SECONDS - removal_start)))")
    fi
  fi
  report
  if [ "$status" -eq 0 ]; then echo "PASSED"; else echo "FAILED"; fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

in_chroot() {  # COMMAND: runs a shell command in the clone, with a clean environment
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games \
    LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt \
    CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" \
    bash -euo pipefail -c "cd /root/duelmark && $1"
}

make_system() {
  if [ -x "$root/usr/bin/apt-get" ]; then
    echo "Using the chroot kept in $root"
  else
    # A debootstrap older than the suite has no script of that name; sid's serves every newer one.
    local script=/usr/share/debootstrap/scripts/$suite
    [ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
    debootstrap --variant=minbase "$suite" "$root" "$mirror" "$script" >"$root.debootstrap.log" 2>&1 ||
      { tail -n 20 "$root.debootstrap.log" >&2; rm -f "$root.debootstrap.log"; return 1; }
    rm -f "$root.debootstrap.log"
  fi
  # Daemons that packages would start on installation stay off.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod +x "$root/usr/sbin/policy-rc.d"
  # A mirror may serve a testing suite's Release file past its Valid-Until date.
  echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99duelmark-valid-until"
  cp -L /etc/resolv.conf /etc/hosts "$root/etc/"
  # Certificate authorities that this machine adds for its network: the chroot trusts them too
  # (update-ca-certificates takes them in when ca-certificates is installed).
  mkdir -p "$root/usr/local/share/ca-certificates"
  cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || true
  # The chroot's / a mount point of its own: a chroot refuses user namespaces, and so the
  # screen-reader sessions make their process namespace as root, which changes how /
  # propagates mounts and needs it to be a mount point.
  mount --bind "$root" "$root"
  mount --make-private "$root"
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --bind /dev "$root/dev"
  mount --make-private "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
  rm -rf "$root/root/duelmark"
  git clone --quiet "$tree" "$root/root/duelmark"
  echo "Cloned $(git -C "$root/root/duelmark" log -1 --format='%h %s')"
}

# What a contributor has before the README's commands: git and make (and lintian, for later).
install_tools() {
  in_chroot 'apt-get update -qq && apt-get install -y -qq --no-install-recommends ca-certificates git make lintian >/dev/null'
  in_chroot 'update-ca-certificates >/dev/null'
}

# The package installs with apt, its program stays up on an X server of its own until it is
# ended, lintian reads it, and removing it leaves none of its files.
try_package() {
  in_chroot '
    deb=$(ls build/package/package/duelmark_*.deb)
    apt-get install -y -qq "./$deb" >/dev/null
    files=$(dpkg-query -L duelmark)
    cp "$deb" /tmp/
    echo "lintian, with its pedantic and informational tags:"
    (cd /tmp && runuser -u nobody -- env HOME=/tmp lintian --display-info --pedantic "${deb##*/}") ||
      echo "(lintian exited with $?)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>/tmp/display 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s /tmp/display ] && break; sleep 0.1; done
    status=0
    DISPLAY=:$(cat /tmp/display) timeout 5 duelmark 2>/tmp/duelmark.log || status=$?
    kill $xvfb
    wait $xvfb || true
    [ $status -eq 124 ] || { cat /tmp/duelmark.log; echo "duelmark ended by itself with $status" >&2; exit 1; }
    echo "duelmark ran for 5 s under Xvfb"
    apt-get remove -y -qq duelmark >/dev/null
    for file in $files; do
      [ -d "$file" ] || [ ! -e "$file" ] || { echo "left after apt remove: $file" >&2; exit 1; }
    done
    echo "apt remove left none of its files"'
}

run_phase "debootstrap" make_system
run_phase "git, make, lintian" install_tools
# A fresh clone to green: the packages it needs, every build and every test. Here, where make
# test installs every tool, no group of tests may have been left out for want of one.
run_phase "make test" in_chroot 'make test
  for label in web session fuzz; do
    ctest --test-dir build/default -N -L "^$label\$" | grep "Total Tests: [1-9]" >/dev/null ||
      { echo "The $label tests were left out." >&2; exit 1; }
  done'
run_phase "package" in_chroot 'make package'
run_phase "install, run, remove" try_package
