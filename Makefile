# make run   installs what is missing, builds the game and starts it
# make test  installs what is missing, builds with sanitizers and runs every test
.PHONY: run test deps build sim bench format clean

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

bench: build
	./build/release/bin/dealmoor-sim --bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
