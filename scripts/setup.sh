#!/usr/bin/env bash
# Installs the Debian packages that building and testing Kestrane needs.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(build-essential cmake libgtest-dev libgmock-dev
          qt6-base-dev qt6-serialport-dev libgl-dev
          xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing missing packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=sudo
  else
    echo "setup: these packages are missing and this user cannot install them:" >&2
    echo "         ${missing[*]}" >&2
    echo "       run as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi

# Runs an apt-get command; while another package manager run holds the
# package lock (usual on a machine that has just started and updates itself),
# waits for it, saying so, for five minutes at most.
lock_wait=300
apt_get() {
  local waited=0 out
  while :; do
    if out=$($SUDO apt-get "$@" 2>&1); then
      return 0
    fi
    if ! grep -qE 'Could not get lock|Unable to lock|Unable to acquire' <<<"$out" ||
       [ "$waited" -ge "$lock_wait" ]; then
      printf '%s\n' "$out" >&2
      return 1
    fi
    if [ "$waited" -eq 0 ]; then
      echo "setup: another package manager run holds the package lock; waiting for it" \
           "(at most $((lock_wait / 60)) minutes)..."
    fi
    sleep 5
    waited=$((waited + 5))
  done
}

export DEBIAN_FRONTEND=noninteractive
if ! apt_get update -qq || ! apt_get install -y -qq "${missing[@]}"; then
  echo "setup: apt-get could not install: ${missing[*]}" >&2
  echo "       install them by hand, then run this command again." >&2
  exit 1
fi
