# make run      installs what is missing, builds the game and starts it
# make test     installs what is missing, checks the formatting, builds with
#               sanitizers and runs every test
# make install  installs the release build under PREFIX (default /usr/local; DESTDIR honoured)
# make package  builds the Debian package build/release/dealmoor_<version>_<arch>.deb
# make fuzz     installs clang too, builds the fuzz targets and runs each one for
#               FUZZ_SECONDS seconds (FUZZ_TARGETS="name ..." picks some)
# make sim      builds the simulator optimised by a record of its own deals (build/sim/)
# make bench    builds that simulator and runs its benchmark
# make soak     plays SOAK_DEALS deals (default 1000) offscreen with six house seats
#               at Very Fast and reports the pace, the memory and any broken invariant
.PHONY: run test deps build sim bench fuzz fuzz-deps soak format format-check tidy lint clean \
        install package

PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
SOAK_DEALS ?= 1000

# The code that decides the game: clang-tidy keeps it clean.
CORE_SOURCES = $(shell git ls-files 'engine/*.cpp' 'strategy/*.cpp' 'setup/*.cpp' \
                 'platform/*.cpp' 'app/Session.cpp' 'sim/*.cpp')

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	./build/release/bin/dealmoor

test: deps format-check
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# As root (sudo make install) an existing build is installed as it is, so the build
# folder does not end up owned by root; otherwise the build is brought up to date first.
install:
	@if [ "$$(id -u)" -ne 0 ] || [ ! -f build/release/build.ninja ]; then $(MAKE) build; fi
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

package: build
	cd build/release && cpack -G DEB

fuzz-deps:
	@scripts/install-deps.sh --fuzz

fuzz: fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_TARGETS="$(FUZZ_TARGETS)" scripts/run-fuzz.sh

soak: deps
	cmake --preset soak
	cmake --build --preset soak
	scripts/soak.sh $(SOAK_DEALS)

sim: deps
	scripts/build-sim.sh

bench: sim
	./build/sim/bin/dealmoor-sim --bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@echo "formatting: clean"

tidy: deps
	cmake --preset asan >/dev/null
	@printf '%s\n' $(CORE_SOURCES) | \
	  xargs -P 2 -n 4 clang-tidy -p build/asan --quiet --warnings-as-errors='*' \
	    --extra-arg=-Wno-unknown-warning-option 2>/dev/null
	@echo "clang-tidy: clean"

lint: format-check tidy

clean:
	rm -rf build
