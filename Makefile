# make run   - install what is missing, build, start Kelp under Wine
# make test  - install what is missing, build, run the whole test suite
# make bench - build and print the benchmark figures
# make soak  - build and run the long session (100,000 keys), print its figures
# make dist  - build the release zip kelp-<version>-win64.zip in the build folder
SHELL := /bin/bash
BUILD ?= build
NATIVE ?= build-native
PACKAGES := cmake make g++ g++-mingw-w64-x86-64-posix wine64 xvfb xauth fonts-arphic-uming fonts-go googletest zip clang libclang-rt-14-dev
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 20

.PHONY: deps build native prefix run test bench soak dist clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# The models and their tests, built with the host compiler under ASan and UBSan.
native: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

prefix: build
	KELP_BUILD=$(abspath $(BUILD)) cmake/wine-prefix.sh

run: prefix
	KELP_BUILD=$(abspath $(BUILD)) cmake/wine-run.sh $(BUILD)/bin/kelp.exe

test: native prefix
	ctest --test-dir $(NATIVE) --output-on-failure -j 2
	tests/fuzz/run.sh $(NATIVE) $(FUZZ_SECONDS)
	@set -o pipefail; KELP_BUILD=$(abspath $(BUILD)) cmake/run-under-display.sh \
	  ctest --test-dir $(BUILD) --output-on-failure -j 2 2>&1 | tee $(BUILD)/ctest.out
	@grep -h -E '^(corpus|kill|full disk|soak): ' $(BUILD)/Testing/Temporary/LastTest.log
	@grep -E '^[0-9]+% tests passed' $(BUILD)/ctest.out

bench: prefix
	KELP_BUILD=$(abspath $(BUILD)) cmake/run-under-display.sh cmake/wine-run.sh $(BUILD)/bin/kelp_bench.exe

soak: prefix
	KELP_BUILD=$(abspath $(BUILD)) cmake/run-under-display.sh cmake/wine-run.sh $(BUILD)/bin/kelp_soak.exe

dist: build
	cmake --build $(BUILD) --target dist

clean:
	rm -rf $(BUILD) $(NATIVE)
