# The front door: every target installs what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build test test-windows run demo bench sanitize install package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# convert/ cross-built for Windows with mingw-w64, its tests run under Wine.
test-windows:
	@scripts/test-windows $(BUILD)-windows

run: build
	$(BUILD)/bin/lectavo

# Converts the sample decks in examples/ into out/ and shows what was written.
demo: build
	@scripts/demo $(BUILD)

bench: deps
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DLECTAVO_BUILD_BENCH=ON -DLECTAVO_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD)-bench -j$(JOBS)
	@cmake --build $(BUILD)-bench --target run_benchmarks

# The window-free code under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DLECTAVO_SANITIZE=ON -DLECTAVO_BUILD_GUI=OFF >/dev/null
	@cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && ctest --output-on-failure -j$(JOBS)

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb for Debian 12, installed under /usr.
package: deps
	@cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DLECTAVO_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD)-package -j$(JOBS)
	cd $(BUILD)-package && cpack
	@ls $(BUILD)-package/*.deb

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan $(BUILD)-package $(BUILD)-windows out
