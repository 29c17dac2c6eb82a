# SPDX-License-Identifier: GPL-3.0-or-later
# Entry points: `make run` starts a solo game, `make test` runs every test, `make package`
# builds the Debian package build/quadrino_<version>_<arch>.deb (and only what it holds). Each installs what the
# machine lacks, configures and builds in build/.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test build deps configure package clean

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/quadrino ]; then $(BUILD)/bin/quadrino; else $(BUILD)/bin/quadrino-host; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# File times in the package (and in built-in resources) are the last commit's, so two builds
# of one commit give the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || echo 0)
export SOURCE_DATE_EPOCH

# The package installs under /usr and is built with Debian's hardening flags; they stay in
# the build folder's cache, so later builds there keep them.
PKG_BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
# Debian's flags map the source folder's path away; the build folder, where the generated
# sources are, gets one name too, or its path would reach the debug information and through
# it the programs' build IDs.
PKG_PREFIX_MAP = -ffile-prefix-map=$(abspath $(BUILD))=build
package: configure
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$($(PKG_BUILDFLAGS) CPPFLAGS) $$($(PKG_BUILDFLAGS) CXXFLAGS) $(PKG_PREFIX_MAP)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(PKG_BUILDFLAGS) LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target quadrino_shipped
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
