# The two commands a player needs, and the downloads. Everything else is
# plain CMake presets.
JOBS ?= $(shell nproc)
VERSION := $(shell sed -n 's/^project(Brindlecog VERSION \([0-9.]*\) .*)$$/\1/p' CMakeLists.txt)

.PHONY: run test deps build dist dist-linux

run: build
	cd build/release/game && ./brindlecog

test: build
	ctest --preset release -j$(JOBS)

build: deps
	cmake --preset release
	cmake --build --preset release -j$(JOBS)

deps:
	@scripts/install-deps

# The browser: the page's static files in build/web/site/, and a game folder
# for Node (replays, the automatic player) in build/web/node/.
.PHONY: web serve-web
WEB_PORT ?= 8023
# Emscripten's optimised links run its JavaScript tools on Debian's node modules.
web: export NODE_PATH = /usr/share/nodejs

web:
	@scripts/install-deps web
	cmake --preset release
	cmake --build --preset release -j$(JOBS) --target brindlecog-assetgen levelc
	deps=$$(scripts/web-deps) && cmake --preset web $$deps
	cmake --build --preset web -j$(JOBS)

serve-web: web
	@echo "Brindlecog is served at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build/web/site

# Everything a player downloads, into dist/ with SHA256SUMS: the Debian
# package, the portable Linux folder, the Windows zip and the browser build's
# zip for a web server.
dist: dist-linux windows web
	scripts/web-zip build/web dist
	scripts/dist-checksums dist

# The Linux downloads alone, from the release build.
dist-linux: build
	scripts/dist-linux build/release dist
	scripts/dist-checksums dist
# Windows: the game cross-built with MinGW-w64, its game folder
# (build/windows/game/) and the zip a player unpacks
# (dist/Brindlecog-<version>-windows-x64.zip). The libraries it links are
# built once from Debian's sources into the dependency cache.
.PHONY: windows windows-test

windows:
	@scripts/install-deps windows
	cmake --preset release
	cmake --build --preset release -j$(JOBS) --target brindlecog-assetgen levelc
	deps=$$(scripts/windows-deps) && cmake --preset windows -DBRINDLECOG_WINDOWS_DEPS="$$deps"
	cmake --build --preset windows -j$(JOBS)
	scripts/windows-zip build/windows dist

windows-test: windows
	ctest --preset windows -j$(JOBS)
