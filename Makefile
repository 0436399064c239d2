# One entry point over CMake. `make play` and `make test` install what is
# missing first, so both work on a fresh Debian or Ubuntu machine.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

PREFIX ?= /usr/local

.PHONY: all deps configure build play test bench install package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

play: build
	cd $(BUILD_DIR) && ./tarnwik

test: build
	cd $(BUILD_DIR) && ../scripts/with-xvfb ctest --output-on-failure --parallel $(JOBS)

bench: build
	cd $(BUILD_DIR) && ../scripts/with-xvfb sh -c \
		'./bench/board_bench && ./bench/frame_bench && ./bench/process_bench'

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
