# One entry point over CMake. `make play` and `make test` install what is
# missing first, so both work on a fresh Debian or Ubuntu machine.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

PREFIX ?= /usr/local

.PHONY: all deps configure build play test test-main test-sanitize fuzz bench install package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

play: build
	cd $(BUILD_DIR) && ./tarnwik

# Everything: the suite with the sanitizers, a bounded fuzzing run where clang
# is at hand, and last the suite on the normal build (soak and memcheck too).
test: test-sanitize fuzz test-main

test-main: build
	cd $(BUILD_DIR) && ../scripts/with-xvfb ctest --output-on-failure --parallel $(JOBS)

# The board rules run with leak checking; the tests that drive the graphics
# stack run without it, since the renderer's driver is unloaded before the
# check and its allocations can be neither traced nor told apart from ours.
# The soak and memcheck tests are left to the normal build.
SANITIZE_ENV = UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=abort_on_error=1
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWIK_SANITIZE=ON \
		-DTARNWIK_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV):detect_leaks=1 \
		ctest --output-on-failure --parallel $(JOBS) -L board
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV):detect_leaks=0 \
		../scripts/with-xvfb ctest --output-on-failure --parallel $(JOBS) -L 'display|e2e|install'

fuzz: deps
	@if command -v clang++ >/dev/null 2>&1; then \
		cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
			-DTARNWIK_BENCH=OFF >/dev/null && \
		cmake --build $(FUZZ_DIR) --parallel $(JOBS) --target board_fuzzer && \
		mkdir -p $(FUZZ_DIR)/findings && \
		echo "fuzz: $(FUZZ_SECONDS) s of libFuzzer, log in $(FUZZ_DIR)/fuzz.log" && \
		$(FUZZ_DIR)/tests/board_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
			$(FUZZ_DIR)/findings tests/fuzz/corpus >$(FUZZ_DIR)/fuzz.log 2>&1 || \
			{ tail -40 $(FUZZ_DIR)/fuzz.log; exit 1; }; \
		grep -E '^(Done|stat::(number_of_executed_units|new_units_added))' $(FUZZ_DIR)/fuzz.log; \
	else \
		echo "fuzz: clang++ not found, so only the corpus replay (in the test suite) ran"; \
	fi

bench: build
	cd $(BUILD_DIR) && ../scripts/with-xvfb sh -c \
		'./bench/board_bench && ./bench/frame_bench && ./bench/process_bench'

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
