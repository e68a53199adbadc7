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

# Windows: the game cross-built with MinGW-w64, its game folder
# (build/windows/game/) and the zip a player unpacks
# (dist/Brindlecog-<version>-windows-x64.zip). The libraries it links are
# built once from Debian's sources into the dependency cache.
.PHONY: windows windows-test

windows:
	@scripts/install-deps windows
	cmake --preset release
	cmake --build --preset release -j$(JOBS) --target brindlecog-assetgen levelc
	cmake --preset windows -DBRINDLECOG_WINDOWS_DEPS="$$(scripts/windows-deps)"
	cmake --build --preset windows -j$(JOBS)
	scripts/windows-zip build/windows dist

windows-test: windows
	ctest --preset windows -j$(JOBS)
