# The two commands of the README, run and test. Each installs what is missing, then builds.
# `make` alone builds the program; `make web` builds the web edition into build/web/.
.PHONY: build run test test-default test-sanitize package web deps deps-test build-sanitize build-fuzz fuzz \
        format check-format
# A lane's lines carry its name, and a lane fails when any command of its pipe fails.
SHELL := bash
.SHELLFLAGS := -o pipefail -c

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

# The fuzz targets, built by Clang in build/fuzz; the default build's tests run each briefly.
build-fuzz: deps-test
	@if command -v clang++ >/dev/null; then cmake --preset fuzz >/dev/null && cmake --build --preset fuzz; \
	 else echo "clang++ is not installed: the fuzz targets and their tests are left out"; fi

# Two lanes side by side once the default and fuzz builds are done: the default build's tests
# spend most of their time waiting on battles in real time (browsers, Orca), while the
# sanitizer build compiles and runs tests that keep the processors busy. Each lane's lines
# start with its name; tests/session/run-session.sh lets one Orca session run at a time.
test: deps-test check-format build build-fuzz
	@$(MAKE) --no-print-directory -j2 test-default test-sanitize

test-default:
	@ctest --preset default 2>&1 | sed -u 's/^/default  | /'

test-sanitize:
	@{ $(MAKE) --no-print-directory build-sanitize && ctest --preset sanitize; } 2>&1 | sed -u 's/^/sanitize | /'

# Runs each fuzz target for FUZZ_SECONDS on its seeds and what earlier runs kept in
# build/fuzz/work/, and prints its executions per second. An input that fails is kept there too.
FUZZ_SECONDS ?= 300
fuzz: build-fuzz
	@status=0; for fuzzer in build/fuzz/tests/fuzz/duelmark_fuzz_*; do \
	  [ -x "$$fuzzer" ] || { echo "No fuzz target was built." >&2; exit 1; }; \
	  tests/fuzz/run-fuzzer.sh "$$fuzzer" "build/fuzz/work/$$(basename "$$fuzzer")" -max_total_time=$(FUZZ_SECONDS) || status=1; \
	done; exit $$status

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

# Formats the whole tree the way .clang-format says, with the one clang-format version whose
# layout make test checks (scripts/format.sh).
format: deps-test
	@scripts/format.sh fix $(sources)

check-format: deps-test
	@scripts/format.sh check $(sources)
