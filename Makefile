# The two commands of the README, run and test. Each installs what is missing, then builds.
# `make` alone builds the program; `make web` builds the web edition into build/web/.
.PHONY: build run test package web deps deps-test build-sanitize format check-format

# The code to format: what git tracks, or in a tree without git (an unpacked tarball) every
# C++ file outside build/ and the hidden folders.
sources = $(shell if [ -e .git ]; then git ls-files '*.cpp' '*.h'; else \
                    find . \( -path ./build -o -path './.*' \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print; fi)

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

deps:
	@scripts/install-deps.sh

deps-test:
	@scripts/install-deps.sh test

build-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize

run: build
	@./build/default/app/duelmark

test: deps-test check-format build build-sanitize
	@ctest --preset default
	@ctest --preset sanitize

# The web edition: a static folder with index.html, served by any web server.
web:
	@scripts/install-deps.sh web
	@cmake --preset web >/dev/null
	@cmake --build --preset web

# A Debian package in build/package/package/, built in Release.
package:
	@scripts/install-deps.sh package
	@cmake --preset package >/dev/null
	@cmake --build --preset package --target package

# Formats the whole tree the way .clang-format says.
format: deps-test
	@clang-format -i $(sources)

check-format: deps-test
	@clang-format --dry-run --Werror $(sources) || { echo "Some code is not formatted: run make format." >&2; exit 1; }
