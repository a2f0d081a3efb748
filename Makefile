# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-asan clean

deps:
	bash tools/install-deps.sh

# `make test` (what CI runs) builds with warnings as errors; a build configured that way keeps it.
test: WERROR = -DQUORIM_WERROR=ON

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release $(WERROR)
	cmake --build build -j $(JOBS)

# Until the game window exists the program to start is the headless front end.
run: build
	cd data && ../build/tools/cli/quorim-cli info

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORIM_SANITIZE=ON $(WERROR)
	cmake --build build-asan -j $(JOBS)

test: build build-asan
	cd build && ctest --output-on-failure
	cd build-asan && ctest --output-on-failure

clean:
	rm -rf build build-asan
