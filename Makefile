# make run      installs what is missing, builds the game and starts it
# make test     installs what is missing, builds with sanitizers and runs every test
# make install  installs the release build under PREFIX (default /usr/local; DESTDIR honoured)
# make package  builds the Debian package build/release/dealmoor_<version>_<arch>.deb
.PHONY: run test deps build sim bench format clean install package

PREFIX ?= /usr/local

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

# As root (sudo make install) an existing build is installed as it is, so the build
# folder does not end up owned by root; otherwise the build is brought up to date first.
install:
	@if [ "$$(id -u)" -ne 0 ] || [ ! -f build/release/build.ninja ]; then $(MAKE) build; fi
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

package: build
	cd build/release && cpack -G DEB

bench: build
	./build/release/bin/dealmoor-sim --bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
