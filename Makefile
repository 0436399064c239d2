# What a developer can do, each target one script or one CMake call. `make play`
# and `make test` install what is missing first; on a system without make,
# `./run play` and `./run test` install make and then do the same.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
# Without the tests' libraries the tests are left out; the test targets require them.
REQUIRE_TESTS ?= OFF
MAKEFLAGS += --no-print-directory
# ARCH: the Debian architecture `make package` builds for (arm64 cross-builds).
# SIGN: the OpenPGP key `make release` signs SHA256SUMS with.
# WINDOWS_SIGN_P12, WINDOWS_SIGN_PASSWORD_FILE: the Authenticode certificate
# and its password that `make windows` signs the Windows programs with.
export JOBS ARCH SIGN WINDOWS_SIGN_P12 WINDOWS_SIGN_PASSWORD_FILE

.PHONY: all deps test-deps configure build play test test-main test-sanitize fuzz test-fresh \
	windows test-windows test-caches package test-arm64 test-debian release check-reproducible screenshot bench \
	install uninstall clean clean-cache

all: build

deps:
	@scripts/install-deps play

test-deps:
	@scripts/install-deps play package test

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DTARNWIK_REQUIRE_TESTS=$(REQUIRE_TESTS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

play: build
	cd $(BUILD_DIR) && ./tarnwik

# Everything: the suite with the sanitizers, a bounded fuzzing run, and last the
# suite on the normal build (soak, memcheck and the package too). Every stage
# runs even when one fails; a summary closes the run.
test:
	@scripts/test-all

test-main bench screenshot: REQUIRE_TESTS = ON
test-main: test-deps build
	cd $(BUILD_DIR) && ../scripts/with-xvfb ctest --output-on-failure --parallel $(JOBS)

test-sanitize: test-deps
	@scripts/test-sanitize

fuzz: test-deps
	@scripts/fuzz

# The README's commands in new minimal Debian 12, 13 and testing systems (root only).
test-fresh:
	@scripts/test-fresh

# The Windows zip and installer, cross-built from Debian's own sources, into
# dist/; their tests run the end-to-end cases under Wine.
windows:
	@scripts/windows

test-windows:
	@scripts/test-windows

# The .deb, from a release build of its own, into dist/ (ARCH=arm64: cross-built).
package:
	@scripts/package

# The arm64 .deb installed, played and purged in a Debian 12 arm64 system under
# emulation (root only).
test-arm64:
	@scripts/test-arm64

# The shared cache on a real machine: make windows killed while its libraries
# build, run again beside a second clone, and a third clone that builds none.
test-caches:
	@scripts/test-caches

# The source package built by sbuild in clean Debian 12, 13 and testing systems
# (and cross-built for arm64), lintian-clean, and tested as installed by autopkgtest.
test-debian:
	@scripts/test-debian

# Every artifact of a release into dist/: the source tarball and source package,
# a .deb per Debian release (sbuild), the Windows programs, and SHA256SUMS
# (signed with SIGN=<key>).
release:
	@scripts/release

# Builds the release twice, the second time from its source tarball in another
# folder, time zone, locale, umask, user and home, and compares every byte.
check-reproducible:
	@scripts/check-reproducible

# docs/screenshot.png, the README's picture, from a few frames of the real game.
screenshot: test-deps build
	@scripts/screenshot

bench: test-deps build
	cd $(BUILD_DIR) && ../scripts/with-xvfb sh -c \
		'./bench/board_bench && ./bench/frame_bench && ./bench/process_bench'

# Installs the existing build (stripped); never builds, so `sudo make install`
# runs nothing but the copy as root.
install:
	@test -x $(BUILD_DIR)/tarnwik || { echo "install: nothing built in $(BUILD_DIR): run 'make build' first" >&2; exit 1; }
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

uninstall:
	cmake -DMANIFEST=$(BUILD_DIR)/install_manifest.txt -P cmake/Uninstall.cmake

# The systems test-fresh and test-arm64 make take themselves down; never cross a mount.
clean:
	rm -rf --one-file-system $(BUILD_DIR) build-sanitize build-fuzz build-host build-package \
		build-package-* build-windows build-arm64 build-fresh build-debian dist dist.part

# Empties the cache every checkout shares (the Windows libraries and their
# sources, the minimal systems and their packages, the packages sbuild built);
# run it when no build is.
clean-cache:
	rm -rf --one-file-system "$${XDG_CACHE_HOME:-$$HOME/.cache}/tarnwik"
