# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-asan clean

deps:
	bash tools/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

# Until the game window exists the program to start is the headless front end.
run: build
	cd data && ../build/tools/cli/quorim-cli info

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORIM_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)

test: build build-asan
	cd build && ctest --output-on-failure
	cd build-asan && ctest --output-on-failure

clean:
	rm -rf build build-asan
