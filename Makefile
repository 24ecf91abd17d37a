# Tintrel: build, run and test on Linux (Debian). The program is cross-compiled with mingw-w64 and run
# under Wine; the portable core is also built natively and tested under AddressSanitizer and UBSan.
BUILD ?= build
NATIVE := $(BUILD)/native
WIN := $(BUILD)/win
PREFIX := $(abspath $(WIN))/wineprefix
JOBS ?= $(shell nproc)

.PHONY: all deps native win test run bench dist format screenshot clean

all: win

deps:
	@tools/install-deps

native: deps
	@[ -f $(NATIVE)/CMakeCache.txt ] || cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DTINTREL_SANITIZE=ON
	cmake --build $(NATIVE) -j $(JOBS)

win: deps
	@[ -f $(WIN)/CMakeCache.txt ] || cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN) -j $(JOBS)

test: native win
	ctest --test-dir $(NATIVE) --output-on-failure
	WINEPREFIX=$(PREFIX) tools/with-display ctest --test-dir $(WIN) --output-on-failure

run: win
	@tools/run $(PREFIX) $(WIN)/app/Tintrel.exe $(BUILD)/run-screen.png

bench: win
	WINEPREFIX=$(PREFIX) tools/with-display sh -c 'tools/wine-run $(PREFIX) $(WIN)/bench/profile_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/sampler_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/template_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/format_list_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/startup_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/pallet_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/close_bench.exe'

dist: win
	@tools/dist $(WIN)/app/Tintrel.exe docs/guide-ja.md $(BUILD)

screenshot: win
	WINEPREFIX=$(PREFIX) tools/with-display tools/screenshot $(PREFIX) $(WIN)/tests/app/window_screenshot.exe docs/tintrel-window.png

format:
	tools/check-format --fix

clean:
	rm -rf $(BUILD)
