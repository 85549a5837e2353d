# The two commands of the README, run and test. Each installs what is missing, then builds.
# `make` alone builds the program; `make web` builds the web edition into build/web/.
# `make pot` gathers the texts to translate; `make po` merges them into each language.
.PHONY: pot po build bench run test test-default test-sanitize sanitize-lane-build package web deps deps-test build-sanitize build-fuzz fuzz \
        format check-format
# A lane's lines carry its name, and a lane fails when any command of its pipe fails.
SHELL := bash
.SHELLFLAGS := -o pipefail -c
# ctest and ninja run as many jobs as their presets and the processors say: handed make's job
# server, which the two lanes of make test hold, they would run one job at a time.
unexport MAKEFLAGS

# The code to format: what git tracks, or in a tree without git (an unpacked tarball) every
# C++ file outside build/ and the hidden folders.
sources = $(shell if [ -e .git ]; then git ls-files '*.cpp' '*.h'; else \
                    find . \( -path ./build -o -path './.*' \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print; fi)

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

deps:
	@scripts/install-deps.sh

# After what the build needs, so that the program can build while the tests' packages install.
deps-test: deps
	@scripts/install-deps.sh test

build-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize

run: build
	@./build/default/app/duelmark

# The benchmarks, in build/default/bench/: no test runs them, so make test does not build them.
bench: build
	@cmake --build --preset default --target bench/all

# The fuzz targets, built by Clang in build/fuzz; the default build's tests run each briefly.
build-fuzz: deps-test
	@if command -v clang++ >/dev/null; then cmake --preset fuzz >/dev/null && cmake --build --preset fuzz; \
	 else echo "clang++ is not installed: the fuzz targets and their tests are left out"; fi

# As much side by side as two processors allow, in two lanes: the default build's, which
# builds while the tests' packages install, then runs its tests, which mostly wait on battles
# in real time (browsers, Orca); and the sanitizer build's, which compiles and runs tests that
# keep the processors busy. The sanitizer's lines and the default build's tests' lines start
# with their lane's name; tests/session/run-session.sh lets one Orca session run at a time.
# Before its tests each build is configured again, now that the tests' packages are here: a
# test whose tool was missing when the build was first configured is left out of it.
test: deps
	@$(MAKE) --no-print-directory -j2 test-default test-sanitize

test-default: deps-test check-format build build-fuzz
	@{ $(MAKE) --no-print-directory build && ctest --preset default; } 2>&1 | sed -u 's/^/default  | /'

test-sanitize: deps-test sanitize-lane-build
	@{ $(MAKE) --no-print-directory build-sanitize && ctest --preset sanitize; } 2>&1 | sed -u 's/^/sanitize | /'

sanitize-lane-build: deps
	@$(MAKE) --no-print-directory build-sanitize 2>&1 | sed -u 's/^/sanitize | /'

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

pot:
	@scripts/update-catalogues.sh pot

po:
	@scripts/update-catalogues.sh po

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
