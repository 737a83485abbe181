# The two commands a newcomer needs: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: run test deps-run deps-test linux-programs linux linux-asan windows windows-x64 \
	test-linux test-asan test-windows bench package-linux package-windows clean

# Only what the Linux panel needs: no tests, so no GoogleTest, Wine or qemu.
run: deps-run linux-programs
	scripts/run-panel.sh build/linux/kalderon-test-sim

test: deps-test test-linux test-asan test-windows

deps-run:
	scripts/install-deps.sh run

deps-test:
	scripts/install-deps.sh test

linux-programs:
	cmake --preset linux -DKALDERON_TESTS=OFF
	cmake --build --preset linux -j $(JOBS) --target kalderon-test kalderon-test-sim

linux:
	cmake --preset linux
	cmake --build --preset linux -j $(JOBS)

linux-asan:
	cmake --preset linux-asan
	cmake --build --preset linux-asan -j $(JOBS)

windows:
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

windows-x64:
	cmake --preset windows-x64
	cmake --build --preset windows-x64 -j $(JOBS)

# The Debian package is part of what a test run builds and checks.
test-linux: package-linux
	ctest --preset linux

package-linux: linux
	cd build/linux && cpack -G DEB

# Every Linux test again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: linux-asan
	ctest --preset linux-asan

# Both widths, each under its own Wine. Where the machine runs no 32-bit
# programs (or KALDERON_NO_32BIT=1), the 32-bit run is reported skipped.
# The operators' zips are part of what a test run builds.
test-windows: package-windows
	ctest --preset windows-x64
	ctest --preset windows
	@grep -h '^SKIPPED:' build/windows/Testing/Temporary/LastTest.log || true

package-windows: windows windows-x64
	cd build/windows && cpack -G ZIP
	cd build/windows-x64 && cpack -G ZIP

bench: deps-test linux
	bench/run.sh build/linux

clean:
	rm -rf build
