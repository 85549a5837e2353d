# The two commands of the README. Each installs what is missing, then builds.
.PHONY: run test deps build build-sanitize

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

build-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize

run: build
	@./build/default/app/duelmark

test: build build-sanitize
	@ctest --preset default
	@ctest --preset sanitize
