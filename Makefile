# make play: set up, build and start the game.   make test: set up, build, run every test.
BUILD ?= build
WINDOWS_BUILD ?= build-windows
SANITIZE_BUILD ?= build-sanitize
CORE_BUILD ?= build-core
WEB_BUILD ?= build-web
WEB_PORT ?= 8000
# Debian's Emscripten runs on the machine's node, which finds its modules there.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs
JOBS ?= $(shell nproc)
# The player's build's tests mostly wait on real time (the game's timers under
# Wine, in Chromium and in Qt): one more of them runs at a time than there are cores.
TEST_JOBS ?= $(shell echo $$(( $$(nproc) + 1 )))
# Any report of the sanitizers fails the test that caused it.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp

.PHONY: all deps build build-sanitize build-core windows web play-web play test test-plain test-core test-sanitize deb bench pictures icons shots clean

all: build

deps:
	@tools/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The Windows program, cross-built with MinGW-w64: $(WINDOWS_BUILD)/tolvane.exe
$(WINDOWS_BUILD)/CMakeCache.txt:
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON

windows: deps $(WINDOWS_BUILD)/CMakeCache.txt
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The game in a web browser, cross-built with Emscripten: $(WEB_BUILD)/index.html,
# one file that plays from disk or from any web server.
$(WEB_BUILD)/CMakeCache.txt:
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON

web: deps $(WEB_BUILD)/CMakeCache.txt
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)
	@echo "$(WEB_BUILD)/index.html"

# Serves the page on this computer alone and says where to open it.
play-web: web
	@echo "Open http://127.0.0.1:$(WEB_PORT)/ in a web browser (Ctrl+C here to stop)."
	cd $(WEB_BUILD) && python3 -m http.server --bind 127.0.0.1 $(WEB_PORT)

play: build
	$(BUILD)/src/tolvane

test: test-plain test-sanitize

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(TEST_JOBS)

# The game core, the headless runtime and their tests, built as on a machine
# without Qt: the core needs nothing but the C++ standard library. Not part of
# make test, whose Windows and web builds configure the core without Qt too.
$(CORE_BUILD)/CMakeCache.txt:
	cmake -S . -B $(CORE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON

build-core: deps $(CORE_BUILD)/CMakeCache.txt
	cmake --build $(CORE_BUILD) -j $(JOBS)

test-core: build-core
	cd $(CORE_BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite, built with AddressSanitizer and UndefinedBehaviorSanitizer.
$(SANITIZE_BUILD)/CMakeCache.txt:
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_SANITIZE=ON \
		"-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" # quicker to build; enough for the sanitizers' reports

build-sanitize: deps $(SANITIZE_BUILD)/CMakeCache.txt
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

test-sanitize: build-sanitize
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# The Debian package, tolvane_<version>_<arch>.deb in $(BUILD)/; prints its path.
deb: build
	cd $(BUILD) && cpack -G DEB | tee cpack-deb.log
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD)/cpack-deb.log | grep . \
		|| { echo "make deb: cpack wrote no package" >&2; exit 1; }

# Lighthouse, pinned (it runs on Node 20), for make bench alone.
LIGHTHOUSE = $(BUILD)/bench-node/node_modules/.bin/lighthouse
$(LIGHTHOUSE):
	mkdir -p $(BUILD)/bench-node
	cd $(BUILD)/bench-node && npm i -E --no-audit --no-fund lighthouse@12.2.3

# Start-up, moves, timers, memory and decoding, each beside its baseline; then
# the web build's size and start-up in headless Chromium, on a desktop and on a
# phone's slower processor, and Lighthouse's mobile audit of it served; then the
# Windows program's start-up under Wine beside a bare Win32 window, where the
# cross compiler and Wine are there.
bench: build web $(LIGHTHOUSE)
	cmake --build $(BUILD) -j $(JOBS) --target tolvane-bench tolvane-bench-game tolvane-bench-bare
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/tolvane-bench
	/usr/bin/python3 bench/web_startup.py $(WEB_BUILD)/index.html
	/usr/bin/python3 bench/web_lighthouse.py $(WEB_BUILD) $(LIGHTHOUSE)
	@if [ -f $(BUILD)/windows/bench/win32/tolvane-startup-timer.exe ]; then \
		tests/win32/run_under_wine.sh $(BUILD)/windows/bench/win32/tolvane-startup-timer.exe; \
	fi

# Draws the game's pictures again into src/resources/pictures.
pictures: deps
	cmake -S tools/picturegen -B $(BUILD)/picturegen -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/picturegen -j $(JOBS)
	$(BUILD)/picturegen/picturegen src/resources/pictures

# Draws the program icon again into src/resources/app.
icons: deps
	cmake -S tools/icongen -B $(BUILD)/icongen -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/icongen -j $(JOBS)
	$(BUILD)/icongen/icongen src/resources/app

# Pictures of every window, in build/shots, as a desktop shows them.
shots: build
	cmake --build $(BUILD) -j $(JOBS) --target window-shots
	tools/take-screenshots

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(CORE_BUILD) $(WINDOWS_BUILD) $(WEB_BUILD)
