# The two commands a newcomer needs: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: run test deps linux linux-asan windows test-linux test-asan test-windows bench package-windows clean

run: deps linux
	scripts/run-panel.sh build/linux/kalderon-test-sim

test: deps test-linux test-asan test-windows

deps:
	scripts/install-deps.sh

linux:
	cmake --preset linux
	cmake --build --preset linux -j $(JOBS)

linux-asan:
	cmake --preset linux-asan
	cmake --build --preset linux-asan -j $(JOBS)

windows:
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

test-linux: linux
	ctest --preset linux

# Every Linux test again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: linux-asan
	ctest --preset linux-asan

# The operator's zip is part of what a test run builds.
test-windows: package-windows
	ctest --preset windows

package-windows: windows
	cd build/windows && cpack -G ZIP

bench: deps linux
	bench/run.sh build/linux

clean:
	rm -rf build
