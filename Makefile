# The two set-up commands of README.md:
#   make run    installs what building the Linux programs needs, builds them
#               and converts the bundled sample
#   make test   installs what the tests need, builds everything and runs
#               every test (plain and sanitized)
# and, for use:
#   make install [PREFIX=/usr/local] [DESTDIR=]   installs the Linux programs
#   make package                                  the .deb and the Windows zip

BUILD         ?= build
ASAN_BUILD    ?= build-asan
RELEASE_BUILD ?= build-release
PACKAGE_BUILD ?= build-package
JOBS          ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE        ?= examples/sample.f90
PREFIX        ?= /usr/local
DESTDIR       ?=

FUZZ_SECONDS ?= 600

# The programs alone, without the tests and their dependencies.
NO_TESTS = -DKMT_BUILD_TESTS=OFF -DKMT_WINDOWS_TESTS=OFF

.PHONY: all deps deps-run deps-package release run install package build build-asan \
        test test-plain test-asan fuzz bench clean

all: release

deps-run:
	@scripts/install_deps.sh run

deps-package:
	@scripts/install_deps.sh package

deps:
	@scripts/install_deps.sh test

release: deps-run
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release $(NO_TESTS)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)

run: release
	@scripts/run_sample.sh $(RELEASE_BUILD) $(SAMPLE)

install: release
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_BUILD) --prefix "$(PREFIX)"

package: deps-package
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release $(NO_TESTS) -DKMT_WINDOWS_PROGRAMS=ON
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack
	@ls -l $(PACKAGE_BUILD)/*.deb $(PACKAGE_BUILD)/*.zip 2>/dev/null || true

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKMT_SANITIZE=ON -DKMT_WINDOWS_TESTS=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-plain test-asan

fuzz: deps
	scripts/fuzz.sh sorvane $(FUZZ_SECONDS)
	scripts/fuzz.sh meridol $(FUZZ_SECONDS)

bench: deps
	bench/measure.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(PACKAGE_BUILD)
