# make run   installs what is missing, builds the game and starts it
# make test  installs what is missing, builds with sanitizers and runs every test
# make fuzz  installs clang too, builds the fuzz targets and runs each one for
#            FUZZ_SECONDS seconds (FUZZ_TARGETS="name ..." picks some)
.PHONY: run test deps build sim bench fuzz fuzz-deps format clean

FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	./build/release/bin/dealmoor

test: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz-deps:
	@scripts/install-deps.sh --fuzz

fuzz: fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_TARGETS="$(FUZZ_TARGETS)" scripts/run-fuzz.sh

bench: build
	./build/release/bin/dealmoor-sim --bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
