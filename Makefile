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
	cmake --preset web $$(scripts/web-deps)
	cmake --build --preset web -j$(JOBS)

serve-web: web
	@echo "Brindlecog is served at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build/web/site
