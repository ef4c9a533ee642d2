# The two set-up commands of README.md:
#   make run    builds both programs and converts the bundled sample
#   make test   builds everything and runs every test (plain and sanitized)

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE     ?= examples/sample.f90

FUZZ_SECONDS ?= 600

.PHONY: all deps build build-asan run test test-plain test-asan fuzz bench clean

all: build

deps:
	@scripts/install_deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKMT_SANITIZE=ON -DKMT_WINDOWS_TESTS=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	@scripts/run_sample.sh $(BUILD) $(SAMPLE)

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
	rm -rf $(BUILD) $(ASAN_BUILD)
