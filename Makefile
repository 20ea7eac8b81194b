# The two commands of the README. Each does the whole set-up on a fresh Debian machine.
.PHONY: deps build test run sanitize bench package clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

test: build sanitize
	ctest --preset default -j2

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
	bash scripts/run-benchmarks.sh build

clean:
	rm -rf build build-sanitize
