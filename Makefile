# The two commands a player needs. Everything else is plain CMake presets.
JOBS ?= $(shell nproc)

.PHONY: run test deps build

run: build
	cd build/release/game && ./brindlecog

test: build
	ctest --preset release -j$(JOBS)

build: deps
	cmake --preset release
	cmake --build --preset release -j$(JOBS)

deps:
	@scripts/install-deps
