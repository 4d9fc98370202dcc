# make          builds build/Setup.exe and the test programs (tools must be installed)
# make demo     installs what is missing, builds, runs the launcher on the sample disc
# make test     installs what is missing, builds, runs every test through ctest
# make screenshots  renders the launcher and the no-chip dialog in each language
BUILD := build
JOBS ?= 2

.PHONY: all build deps demo test screenshots artwork clean

all: build

$(BUILD)/build.ninja: CMakeLists.txt cmake/mingw-i686.cmake
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

build: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

deps:
	scripts/install-deps.sh

demo: deps
	$(MAKE) build
	python3 scripts/demo.py

test: deps
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

screenshots: deps
	$(MAKE) build
	python3 scripts/screenshots.py

artwork:
	scripts/make-artwork.sh

clean:
	rm -rf $(BUILD)
