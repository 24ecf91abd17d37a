# Tintrel: build, run and test on Linux (Debian). The program is cross-compiled with mingw-w64 and run
# under Wine; the portable core is also built natively and tested under AddressSanitizer and UBSan.
BUILD ?= build
NATIVE := $(BUILD)/native
WIN := $(BUILD)/win
FUZZ := $(BUILD)/fuzz
PREFIX := $(abspath $(WIN))/wineprefix
JOBS ?= $(shell nproc)
# How long `make fuzz` runs each fuzz target, in seconds.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := integer_parse profile_document format_template format_list settings_file pallet_file \
    exchange_swatch exchange_text

.PHONY: all deps native win-configure win program test fuzz run bench dist format screenshot clean

all: win

deps:
	@tools/install-deps

native: deps
	@[ -f $(NATIVE)/CMakeCache.txt ] || cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DTINTREL_SANITIZE=ON
	cmake --build $(NATIVE) -j $(JOBS)

win-configure: deps
	@[ -f $(WIN)/CMakeCache.txt ] || cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

win: win-configure
	cmake --build $(WIN) -j $(JOBS)

# The program alone, without the tests and benchmarks.
program: win-configure
	cmake --build $(WIN) -j $(JOBS) --target Tintrel

test: native win
	ctest --test-dir $(NATIVE) --output-on-failure
	WINEPREFIX=$(PREFIX) tools/with-display ctest --test-dir $(WIN) --output-on-failure

# Each target runs in turn on a scratch copy of its committed corpus (fuzz/corpus), which the native tests
# replay; an input that fails is left in $(FUZZ)/crashes.
fuzz:
	@tools/install-deps fuzz
	@[ -f $(FUZZ)/CMakeCache.txt ] || CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTINTREL_FUZZ=ON -DTINTREL_BUILD_TESTS=OFF
	cmake --build $(FUZZ) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for target in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ)/corpus/$$target $(FUZZ)/crashes/$$target && \
	    echo "fuzz_$$target: $(FUZZ_SECONDS) s" && \
	    $(FUZZ)/fuzz/fuzz_$$target $(FUZZ)/corpus/$$target fuzz/corpus/$$target -max_total_time=$(FUZZ_SECONDS) \
	        -timeout=10 -max_len=8192 -print_final_stats=1 -artifact_prefix=$(FUZZ)/crashes/$$target/ \
	        2>$(FUZZ)/fuzz_$$target.log || { tail -40 $(FUZZ)/fuzz_$$target.log; exit 1; }; \
	    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' $(FUZZ)/fuzz_$$target.log; \
	done

run: program
	@tools/run $(PREFIX) $(WIN)/app/Tintrel.exe $(BUILD)/run-screen.png

bench: win
	WINEPREFIX=$(PREFIX) tools/with-display sh -c 'tools/wine-run $(PREFIX) $(WIN)/bench/profile_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/template_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/format_list_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/startup_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/pallet_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/close_bench.exe && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/exchange_bench.exe'
	@# The sampler's benchmark on a 1920x1080 screen of its own: a Wine desktop for that program alone.
	WINEPREFIX=$(PREFIX) XVFB_SCREEN=1920x1080x24 tools/with-display sh -c '\
	    tools/wine-run $(PREFIX) reg add "HKCU\\Software\\Wine\\AppDefaults\\sampler_bench.exe\\Explorer" \
	        /v Desktop /d Bench1080 /f >/dev/null && \
	    tools/wine-run $(PREFIX) reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Bench1080 /d 1920x1080 /f \
	        >/dev/null && \
	    tools/wine-run $(PREFIX) $(WIN)/bench/sampler_bench.exe'

dist: win
	@tools/dist $(WIN)/app/Tintrel.exe docs/guide-ja.md $(BUILD)

screenshot: win-configure
	cmake --build $(WIN) -j $(JOBS) --target window_screenshot
	WINEPREFIX=$(PREFIX) tools/with-display sh -c '\
	    tools/screenshot $(PREFIX) $(WIN)/tests/app/window_screenshot.exe docs/tintrel-window.png window && \
	    tools/screenshot $(PREFIX) $(WIN)/tests/app/window_screenshot.exe docs/tintrel-floating-palette.png floating && \
	    tools/screenshot $(PREFIX) $(WIN)/tests/app/window_screenshot.exe docs/tintrel-format-editor.png format'

format:
	tools/check-format --fix

clean:
	rm -rf $(BUILD)
