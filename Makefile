# make play: set up, build and start the game.   make test: set up, build, run every test.
# Every build is defined once, in CMakePresets.json; the folders are its.
BUILD = build
WINDOWS_BUILD = $(BUILD)/windows
WEB_BUILD = $(BUILD)/web
SANITIZE_BUILD = build-sanitize
CORE_BUILD = build-core
WEB_PORT ?= 8000
JOBS ?= $(shell nproc)
# The player's build's tests mostly wait on real time (the game's timers under
# Wine, in Chromium and in Qt): one more of them runs at a time than there are cores.
TEST_JOBS ?= $(shell echo $$(( $$(nproc) + 1 )))

.PHONY: all build build-sanitize build-core windows web play-web play test test-plain test-core test-sanitize soak deb bench pictures icons casefold shots clean

all: build

# The player's build with its tests: the game, the Windows programs under Wine
# and the page in Chromium.
build:
	@tools/install-deps test
	cmake --preset game
	cmake --build --preset game -j $(JOBS)

# The game alone, for playing it: only what a player needs is installed, and
# only the program is built (in the player's build, configured once).
play:
	@tools/install-deps play
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake --preset play
	cmake --build $(BUILD) --target tolvane -j $(JOBS)
	$(BUILD)/src/tolvane

# The Windows program, cross-built with MinGW-w64: build/windows/tolvane.exe
windows:
	@tools/install-deps windows
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)
	@echo "$(WINDOWS_BUILD)/tolvane.exe"

# The game in a web browser, cross-built with Emscripten: build/web/index.html
# and the files beside it, which play from disk or from any web server.
web:
	@tools/install-deps web
	cmake --preset web
	cmake --build --preset web -j $(JOBS)
	@echo "$(WEB_BUILD)/index.html"

# Serves the page on this computer alone and says where to open it.
play-web: web
	@echo "Open http://127.0.0.1:$(WEB_PORT)/ in a web browser (Ctrl+C here to stop)."
	cd $(WEB_BUILD) && python3 -m http.server --bind 127.0.0.1 $(WEB_PORT)

# Both suites; the sanitizers' build compiles while the player's build's tests run.
test: build
	tools/run-tests $(JOBS) $(TEST_JOBS)

test-plain: build
	ctest --preset game -j $(TEST_JOBS)

# The tests that wait on real time (Xvfb, Wine, Chromium, the game's timers),
# N times over (make soak N=20) while the game core compiles beside them:
# each test's passes and failures, and the output of every failure, in build/soak.
N ?= 10
soak: build
	tools/soak $(N) $(JOBS) $(TEST_JOBS)

# The game core, the headless runtime and their tests, built as on a machine
# without Qt: the core needs nothing but the C++ standard library. Not part of
# make test, whose Windows and web builds configure the core without Qt too.
build-core:
	@tools/install-deps test
	cmake --preset core
	cmake --build --preset core -j $(JOBS)

test-core: build-core
	ctest --preset core -j $(JOBS)

# The same suite, built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report of theirs fails the test that caused it.
build-sanitize:
	@tools/install-deps test
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)

test-sanitize: build-sanitize
	ctest --preset sanitize -j $(JOBS)

# The Debian package, tolvane_<version>_<arch>.deb in build/; prints its path.
deb:
	@tools/install-deps deb
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake --preset play
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB | tee cpack-deb.log
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD)/cpack-deb.log | grep . \
		|| { echo "make deb: cpack wrote no package" >&2; exit 1; }

# Lighthouse, pinned (it runs on Node 20), for make bench alone, where npm is there.
LIGHTHOUSE = $(BUILD)/bench-node/node_modules/.bin/lighthouse

# Start-up, moves, timers, memory and decoding, each beside its baseline; then
# the web build's size and start-up in headless Chromium, on a desktop and on a
# phone's slower processor, and Lighthouse's mobile audit of it served; then the
# Windows program's start-up under Wine beside a bare Win32 window.
bench: build
	cmake --build $(BUILD) -j $(JOBS) --target tolvane-bench tolvane-bench-game tolvane-bench-bare
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/tolvane-bench
	/usr/bin/python3 bench/web_startup.py $(WEB_BUILD)/index.html
	@if [ ! -x $(LIGHTHOUSE) ] && command -v npm >/dev/null; then \
		mkdir -p $(BUILD)/bench-node && cd $(BUILD)/bench-node && npm i -E --no-audit --no-fund lighthouse@12.2.3; \
	fi
	@if [ -x $(LIGHTHOUSE) ]; then /usr/bin/python3 bench/web_lighthouse.py $(WEB_BUILD) $(LIGHTHOUSE); \
	else echo "Lighthouse: skipped, npm not found (Node 20 and its npm)"; fi
	tests/win32/run_under_wine.sh $(WINDOWS_BUILD)/bench/win32/tolvane-startup-timer.exe

# Draws the game's pictures again into src/resources/pictures.
pictures:
	@tools/install-deps test
	cmake -S tools/picturegen -B $(BUILD)/picturegen -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/picturegen -j $(JOBS)
	$(BUILD)/picturegen/picturegen src/resources/pictures

# Draws the program icon again into src/resources/app.
icons:
	@tools/install-deps test
	cmake -S tools/icongen -B $(BUILD)/icongen -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/icongen -j $(JOBS)
	$(BUILD)/icongen/icongen src/resources/app

# Writes the letter case table again from the Unicode Character Database
# (Debian's unicode-data) into src/shell.
casefold:
	@tools/install-deps casefold
	python3 tools/casefoldgen/casefoldgen.py /usr/share/unicode/CaseFolding.txt src/shell/case_folding_table.cpp

# Pictures of every window, in build/shots, as a desktop shows them.
shots: build
	cmake --build $(BUILD) -j $(JOBS) --target window-shots
	tools/take-screenshots

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(CORE_BUILD)
