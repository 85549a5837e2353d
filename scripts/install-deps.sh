#!/usr/bin/env bash
# Installs the Debian packages that Duelmark needs to build and run, if any is missing; with
# the argument "test", also what its tests need, with "package", what its .deb needs, and with
# "web", what the web edition needs.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-comic-neue fonts-liberation2
)
web=(emscripten fonttools python3-brotli)  # the web edition; its fonts are cut to what the windows show
for_tests=false
case "${1:-}" in
  test)
    for_tests=true
    packages+=(clang-format locales desktop-file-utils appstream)
    packages+=(xvfb dbus at-spi2-core openbox xdotool orca speech-dispatcher espeak-ng)  # the screen-reader session
    packages+=("${web[@]}" chromium firefox-esr)  # the web edition in real browsers
    command -v npm >/dev/null || packages+=(npm)  # a node from elsewhere brings its own
    ;;
  package) packages+=(dpkg-dev file) ;;
  web) packages+=("${web[@]}") ;;
esac

# A build with Clang (CXX=clang++) needs its sanitizer runtime, which Debian packages apart
# from Clang itself.
if [[ "$(basename "${CXX:-}")" == clang* ]] && clang_version=$("$CXX" -dumpversion 2>/dev/null); then
  packages+=("libclang-rt-${clang_version%%.*}-dev")
fi

# Without apt nothing is installed here: say what the build needs and let it go on, so that
# CMake names whatever is still missing.
if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
  echo "No apt here, so nothing is installed by this step. Duelmark needs a C++20 compiler, CMake 3.25 or"
  echo "newer, Ninja, Qt 6 (Widgets), GoogleTest and Google Benchmark, and for 'make test' clang-format;"
  echo "README.md, section \"Other systems\", names the packages of Fedora, Arch and Homebrew."
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
# The trace test runs under a German locale, with its decimal comma.
german_missing() { $for_tests && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; }
if [ ${#missing[@]} -eq 0 ] && ! german_missing; then exit 0; fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please run as root or install sudo: the packages ${missing[*]} are missing." >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if german_missing; then
  echo "Generating the locale de_DE.UTF-8"
  "${sudo[@]}" sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi
