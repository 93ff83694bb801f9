# make play: set up, build and start the game.   make test: set up, build, run every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build play test pictures icons shots clean

all: build

deps:
	@tools/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/src/tolvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

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
	tools/take-screenshots

clean:
	rm -rf $(BUILD)
