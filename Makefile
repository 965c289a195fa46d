# make run   - install what is missing, build, start Kelp under Wine
# make test  - install what is missing, build, run the whole test suite
# make bench - build and print the benchmark figures
# make soak  - build and run the long session (100,000 keys), print its figures
# make dist - build the release zips kelp-<version>-win64.zip and -win32.zip in the build folder
SHELL := /bin/bash
BUILD ?= build
BUILD32 ?= build-win32
NATIVE ?= build-native
PACKAGES := cmake make g++ g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 xvfb xauth \
  fonts-arphic-uming fonts-go googletest zip clang libclang-rt-14-dev faketime
# 32-bit Wine comes through the i386 architecture; without it the 32-bit suite says so and
# the rest of the run goes on.
WINE32 := wine32:i386
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 20
# A folder's absolute path, quoted in recipes: $(abspath) would split a path with spaces.
abs = $(if $(filter /%,$(1)),$(1),$(CURDIR)/$(1))

.PHONY: deps build build32 configure32 native prefix run test test32 bench soak dist clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	wine32=""; dpkg-query -W -f='$${Status}' $(WINE32) 2>/dev/null | grep -q 'ok installed' || wine32=$(WINE32); \
	if [ "$$(id -u)" != 0 ]; then \
	  if [ -n "$$wine32" ]; then echo "For the 32-bit suite: sudo dpkg --add-architecture i386" \
	    "&& sudo apt-get update && sudo apt-get install -y $(WINE32)"; fi; \
	  if [ -n "$$missing" ]; then echo "Missing packages. Run:"; echo "  sudo apt-get install -y$$missing"; exit 1; fi; \
	elif [ -n "$$missing$$wine32" ]; then \
	  echo "Installing:$$missing $$wine32"; \
	  if [ -n "$$wine32" ]; then dpkg --add-architecture i386; fi; \
	  apt-get update -qq; \
	  if [ -n "$$missing" ]; then DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null || exit 1; fi; \
	  if [ -n "$$wine32" ]; then DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$wine32 >/dev/null || \
	    echo "$(WINE32) could not be installed: the 32-bit suite will say so"; fi; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# The 32-bit program and its smoke suite; its zip goes beside the 64-bit one.
configure32: deps
	cmake -S . -B $(BUILD32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DKELP_SMOKE_TESTS=ON -DKELP_DIST_DIR="$(call abs,$(BUILD))" >/dev/null

build32: configure32
	cmake --build $(BUILD32) -j $(JOBS)

# The models and their tests, built with the host compiler under ASan and UBSan.
native: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

prefix: build
	KELP_BUILD="$(call abs,$(BUILD))" cmake/wine-prefix.sh

run: prefix
	KELP_BUILD="$(call abs,$(BUILD))" cmake/wine-run.sh $(BUILD)/bin/kelp.exe

test: native prefix build32
	ctest --test-dir $(NATIVE) --output-on-failure -j 2
	tests/fuzz/run.sh $(NATIVE) $(FUZZ_SECONDS)
	@set -o pipefail; KELP_BUILD="$(call abs,$(BUILD))" cmake/run-under-display.sh \
	  ctest --test-dir $(BUILD) --output-on-failure -j 2 2>&1 | tee $(BUILD)/ctest.out
	@$(MAKE) --no-print-directory test32
	@grep -h -E '^(corpus|kill|full disk|soak|rebuild): ' $(BUILD)/Testing/Temporary/LastTest.log
	@grep -E '^[0-9]+% tests passed' $(BUILD)/ctest.out
	@grep -s -E '^[0-9]+% tests passed' $(BUILD32)/ctest.out | sed 's/^/win32: /' || true

# The smoke suite on the 32-bit program under 32-bit Wine, in a 32-bit prefix of its own.
test32: build32
	@export KELP_BUILD="$(call abs,$(BUILD32))" KELP_WINEARCH=win32; rm -f $(BUILD32)/ctest.out; \
	if ! cmake/wine-prefix.sh >/dev/null 2>&1; then \
	  echo "win32: 32-bit Wine cannot run here ($(WINE32) missing or not working): the 32-bit smoke suite is skipped"; \
	else \
	  set -o pipefail; cmake/run-under-display.sh ctest --test-dir $(BUILD32) --output-on-failure -j 2 2>&1 | \
	    tee $(BUILD32)/ctest.out && \
	  grep -h -E '^(corpus|rebuild): ' $(BUILD32)/Testing/Temporary/LastTest.log | sed 's/^/win32 /'; \
	fi

bench: prefix
	KELP_BUILD="$(call abs,$(BUILD))" cmake/run-under-display.sh cmake/wine-run.sh $(BUILD)/bin/kelp_bench.exe

soak: prefix
	KELP_BUILD="$(call abs,$(BUILD))" cmake/run-under-display.sh cmake/wine-run.sh $(BUILD)/bin/kelp_soak.exe

dist: build configure32
	cmake --build $(BUILD) --target dist
	cmake --build $(BUILD32) -j $(JOBS) --target dist

clean:
	rm -rf $(BUILD) $(BUILD32) $(NATIVE)
