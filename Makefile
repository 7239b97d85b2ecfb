# Deadhold: `make run` and `make test` are the whole set-up on a fresh Debian 12 machine.
JOBS ?= 2
BUILD := build
ASAN_BUILD := build-asan
WINDOWS_BUILD := build-windows
WINE := /usr/lib/wine/wine64
WORKSPACE := workspace
CATALOGUES := BULLETS.TXT POWDERS.TXT PRIMERS.TXT

.PHONY: all bootstrap build run test test-asan test-windows package test-package screenshots fuzz \
        bench format clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/CMakeCache.txt: | bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: bootstrap $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@mkdir -p $(WORKSPACE)
	@for f in $(CATALOGUES); do \
	  if [ -f resources/$$f ] && [ ! -e $(WORKSPACE)/$$f ]; then cp resources/$$f $(WORKSPACE)/$$f; fi; \
	done
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: run it under Xvfb with 'xvfb-run -a make run'."; exit 1; \
	fi
	cd $(WORKSPACE) && ../$(BUILD)/src/ui/deadhold

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: bootstrap
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDEADHOLD_SANITIZE=ON -DDEADHOLD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp ctest --output-on-failure -j$(JOBS)

# The core, deadhold-cli and the core test suites cross-built for Windows and run under Wine, in a
# Wine prefix of their own (see README: what runs there and what does not).
test-windows:
	@scripts/bootstrap windows
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	cd $(WINDOWS_BUILD) && export WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine WINEDEBUG=-all && \
	  unset DISPLAY WAYLAND_DISPLAY && $(WINE) wineboot --init && ctest --output-on-failure -j$(JOBS)

# The .deb of the release build, and its check: unpacked into a scratch root, run from there,
# its desktop entry, metainfo and MIME type validated.
package: build
	@scripts/bootstrap package
	cd $(BUILD) && cpack

test-package: package
	scripts/test-package $(BUILD)

# README pictures: every tab of the real program under Xvfb and a printed report page, in docs/.
screenshots: build
	scripts/screenshots $(BUILD) docs

# Every file reader under libFuzzer with ASan + UBSan, FUZZ_SECONDS each (clang; see scripts/fuzz).
FUZZ_SECONDS ?= 60
fuzz: bootstrap
	FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) scripts/fuzz

bench: build
	$(BUILD)/bench/deadhold-bench

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_BUILD) build-fuzzers fuzz-out
