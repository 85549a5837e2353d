#!/usr/bin/env bash
# Installs the Debian packages that Duelmark needs to build and run, if any is missing; with
# the argument "test", also what its tests need, with "package", what its .deb needs, and with
# "web", what the web edition needs.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  qt6-base-dev libgl-dev
  gettext po4a  # the manual page, the desktop entry and the AppStream data in every language of assets/po/
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-comic-neue fonts-liberation2
  gettext  # the catalogues of translations, compiled by msgfmt
)
web=(emscripten fonttools python3-brotli)  # the web edition; its fonts are cut to what the windows show
for_tests=false
case "${1:-}" in
  test)
    for_tests=true
    packages+=(clang-format locales desktop-file-utils appstream)
    packages+=(clang)  # the fuzz targets; its runtime follows once its version is known
    packages+=(xvfb dbus at-spi2-core openbox xdotool orca speech-dispatcher espeak-ng)  # the screen-reader session
    packages+=("${web[@]}" chromium firefox-esr webkit2gtk-driver)  # the web edition in real browsers
    # WebKit's WebDriver is webkitgtk-webdriver from Debian 14 on. (grep reads to the end here
    # and below: with -q it would leave early, and the writer's broken pipe fail the test.)
    if apt-cache policy webkitgtk-webdriver 2>/dev/null | grep 'Candidate: [^(]' >/dev/null; then
      packages[-1]=webkitgtk-webdriver
    fi
    command -v npm >/dev/null || packages+=(npm)  # a node from elsewhere brings its own
    ;;
  package) packages+=(dpkg-dev file) ;;
  web) packages+=("${web[@]}") ;;
esac

# A build with Clang (CXX=clang++) and the fuzz targets need Clang's sanitizer and libFuzzer
# runtime, which Debian packages apart from Clang itself, named by its major version
# (libclang-rt-14-dev on Debian 12).
clang_runtime() {
  local version
  version=$("$1" -dumpversion 2>/dev/null) && echo "libclang-rt-${version%%.*}-dev"
}
if [[ "$(basename "${CXX:-}")" == clang* ]] && runtime=$(clang_runtime "$CXX"); then
  packages+=("$runtime")
fi

# Without apt nothing is installed here: say what the build needs and let it go on, so that
# CMake names whatever is still missing.
if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
  echo "No apt here, so nothing is installed by this step. Duelmark needs a C++20 compiler, CMake 3.25 or"
  echo "newer, Ninja, Qt 6 (Widgets), GoogleTest and Google Benchmark, and for 'make test' clang-format;"
  echo "README.md, section \"Other systems\", names the packages of Fedora, Arch and Homebrew."
  exit 0
fi

# The given packages that are not installed.
missing() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep 'install ok installed' >/dev/null || echo "$package"
  done
}

sudo=()
as_root() {
  if [ "$(id -u)" -ne 0 ] && [ ${#sudo[@]} -eq 0 ]; then
    command -v sudo >/dev/null || { echo "Please run as root or install sudo: $1" >&2; exit 1; }
    sudo=(sudo)
  fi
}

export DEBIAN_FRONTEND=noninteractive
updated=false
install() {
  [ $# -gt 0 ] || return 0
  as_root "the packages $* are missing."
  echo "Installing missing packages: $*"
  $updated || "${sudo[@]}" apt-get update -qq
  updated=true
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"
}

mapfile -t to_install < <(missing "${packages[@]}")
install "${to_install[@]}"
# Clang's runtime for the fuzz targets, once Clang is here to name its version.
if $for_tests && runtime=$(clang_runtime clang); then
  mapfile -t to_install < <(missing "$runtime")
  install "${to_install[@]}"
fi

# The trace test runs under a German locale, with its decimal comma.
if $for_tests && ! locale -a 2>/dev/null | grep -i '^de_DE\.utf-\?8$' >/dev/null; then
  as_root "the locale de_DE.UTF-8 is missing."
  echo "Generating the locale de_DE.UTF-8"
  "${sudo[@]}" sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi
