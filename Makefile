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

# The game plays in the user's own data directory (~/.local/share/quorim), made from data/, so
# that the checkout stays as it is.
run: build
	cd build && ./src/ui/quorim

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORIM_SANITIZE=ON $(WERROR)
	cmake --build build-asan -j $(JOBS)

test: build build-asan
	cd build && ctest --output-on-failure
	cd build-asan && ctest --output-on-failure

clean:
	rm -rf build build-asan
