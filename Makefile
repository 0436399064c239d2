# What a developer can do, each target one script or one CMake call: the
# targets a developer runs are in scripts/, the long checks CI runs (as root)
# in scripts/ci/, what they share in scripts/lib/. `make play` and `make test`
# install what is missing first; on a system without make, `./run play` and
# `./run test` install make and then do the same. CONTRIBUTING.md says more.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
# Without the tests' libraries the tests are left out; the test targets require them.
REQUIRE_TESTS ?= OFF
MAKEFLAGS += --no-print-directory
# SIGN: the OpenPGP key `make release` signs SHA256SUMS with.
# WINDOWS_SIGN_P12, WINDOWS_SIGN_PASSWORD_FILE: the Authenticode certificate
# and its password that `make windows` signs the Windows programs with.
# XVFB_SERVER: the virtual display every display test runs on (xvfb-run): tall
# enough for the 1200 x 800 window, kept up between clients, and open to the
# clients of the minimal systems test-fresh makes.
XVFB_SERVER ?= -screen 0 1600x1600x24 -noreset -ac
# VERSION: the version `make new-version` starts.
export BUILD_DIR JOBS SIGN WINDOWS_SIGN_P12 WINDOWS_SIGN_PASSWORD_FILE XVFB_SERVER VERSION

.PHONY: all deps test-deps configure build play test test-main test-sanitize fuzz package windows linux \
	new-version release screenshot bench install uninstall test-debian test-fresh test-linux test-windows \
	test-apt test-site test-caches \
	check-reproducible clean clean-cache

all: build

deps:
	@scripts/lib/install-deps play

test-deps:
	@scripts/lib/install-deps play test

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DTARNWIK_REQUIRE_TESTS=$(REQUIRE_TESTS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

play: build
	cd $(BUILD_DIR) && ./tarnwik

# Everything: the suite with the sanitizers, a bounded fuzzing run, and last the
# suite on the normal build (soak, memcheck and installs too), every stage even
# when one fails, and a summary.
test:
	@scripts/test-all

test-main bench screenshot: REQUIRE_TESTS = ON
test-main: test-deps build
	cd $(BUILD_DIR) && xvfb-run -a -s "$(XVFB_SERVER)" ctest --output-on-failure --parallel $(JOBS)

test-sanitize: test-deps
	@scripts/test-sanitize

fuzz: test-deps
	@scripts/fuzz

# This machine's own .deb, built by dpkg-buildpackage from debian/ into dist/.
package:
	@scripts/package

# The Windows zip and installer, cross-built from Debian's own sources, into dist/.
windows:
	@scripts/windows

# The portable Linux game, built in a clean system of the portable release with SFML inside, into dist/.
linux:
	@scripts/linux

# A new version, VERSION=<x.y.z>, in CMakeLists.txt and debian/changelog (dch).
new-version:
	@scripts/new-version

# Every artifact of the last commit into dist/: the source tarball and source
# package, a .deb per Debian release and architecture (sbuild), the Windows
# programs, the portable Linux game, and SHA256SUMS (signed with SIGN=<key>).
release:
	@scripts/release

# docs/screenshot.png, the README's picture, from a few frames of the real game.
screenshot: test-deps build
	@xvfb-run -a -s "$(XVFB_SERVER)" scripts/screenshot

bench: test-deps build
	cd $(BUILD_DIR) && xvfb-run -a -s "$(XVFB_SERVER)" sh -c \
		'./bench/board_bench && ./bench/frame_bench && ./bench/process_bench'

# Installs the existing build (stripped); never builds, so `sudo make install`
# runs nothing but the copy as root.
install:
	@test -x $(BUILD_DIR)/tarnwik || { echo "install: nothing built in $(BUILD_DIR): run 'make build' first" >&2; exit 1; }
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

uninstall:
	cmake -DMANIFEST=$(BUILD_DIR)/install_manifest.txt -P cmake/Uninstall.cmake

# The long checks CI runs, as root (CONTRIBUTING.md).
# The source package built by sbuild for every release and architecture,
# lintian-clean, and each package tested as installed by autopkgtest.
test-debian:
	@scripts/ci/test-debian

# The README's commands in new minimal systems of the releases the table names.
test-fresh:
	@scripts/ci/test-fresh

# The portable Linux game: its libraries, and played in a new system of every release in the table.
test-linux:
	@scripts/ci/test-linux

# The Windows programs under Wine: the end-to-end cases, install, upgrade, uninstall.
test-windows:
	@scripts/ci/test-windows

# The signed apt repository a release makes: the README's block installs from it,
# refuses a changed one, and upgrades through it, in new systems of the releases with the apt role.
test-apt:
	@scripts/ci/test-apt

# The release's page in a real browser, as visitors on each system meet it, and axe-core's accessibility check.
test-site:
	@scripts/ci/test-site

# The shared cache: the Windows libraries' build killed, run again beside a
# second clone's, and a third clone that builds none.
test-caches:
	@scripts/ci/test-caches

# The release built twice, the second time varied, once more offline, compared.
check-reproducible:
	@scripts/ci/check-reproducible

# The systems test-fresh makes take themselves down; never cross a mount.
clean:
	rm -rf --one-file-system $(BUILD_DIR) build-sanitize build-fuzz build-host build-package \
		build-windows build-linux build-linux-test build-fresh build-debian build-apt build-site dist dist.part

# Empties the cache every checkout shares (the Windows libraries and their
# sources, the minimal systems and their packages, the packages sbuild built);
# run it when no build is.
clean-cache:
	rm -rf --one-file-system "$${XDG_CACHE_HOME:-$$HOME/.cache}/tarnwik"
