# The two commands of the README. Each does the whole set-up on a fresh Debian machine.
.PHONY: deps build test run sanitize bench package fuzz clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

test: build sanitize
	ctest --preset default -j2
	@if command -v clang++ >/dev/null; then $(MAKE) fuzz FUZZ_SECONDS=10 FUZZ_JOBS=2; \
	else echo "clang++ is missing: the fuzz targets are not run"; fi

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize -j2

run: build
	bash scripts/run-game.sh build

# The Debian package build/velko_<version>_amd64.deb.
package: build
	cmake --build --preset default --target package

bench: build
	cmake --preset default -DVELKO_BENCH=ON
	cmake --build --preset default
	bash scripts/run-benchmarks.sh build

# Every fuzz target for FUZZ_SECONDS each, FUZZ_JOBS at a time (clang; the MIDI seeds come from
# the game's build).
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 1
fuzz: build
	cmake --preset fuzz
	cmake --build --preset fuzz
	bash scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf build build-sanitize build-fuzz
