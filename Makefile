# The README's front end: install what a job needs, then run its CMake
# workflow (CMakePresets.json describes the builds; nothing here does).
JOBS ?= $(shell nproc)
export CMAKE_BUILD_PARALLEL_LEVEL := $(JOBS)

.PHONY: run test deps-run deps-test deps-bench deps-package-linux deps-package-windows linux linux-asan windows windows-x64 package-linux package-windows \
	bench fuzz clean

# Only what the Linux panel needs, in a build tree of its own.
run: deps-run
	cmake --workflow --preset run
	scripts/run-panel.sh build/run/kalderon-test-sim

# Every configuration, built and tested; the Debian package and the
# operators' zips are made and checked by the tests themselves. The 32-bit
# Wine's root is made (once) while the Linux builds run; its run waits for it.
# All of it in a process group of its own, which ends with the run, however
# the run ends.
test: deps-test
	@scripts/own-group.sh sh -c 'tests/wine/wine32_root.sh >/dev/null 2>&1 & exec $(MAKE) linux linux-asan windows-x64 windows'

deps-run:
	scripts/install-deps.sh run

deps-test:
	scripts/install-deps.sh test

deps-bench:
	scripts/install-deps.sh bench

deps-package-linux:
	scripts/install-deps.sh package-linux

deps-package-windows:
	scripts/install-deps.sh package-windows

linux linux-asan windows-x64:
	cmake --workflow --preset $@

# The 32-bit Wine runs from a 32-bit root of its own (made once, in
# ~/.cache/kalderon-test); where the machine runs no 32-bit programs (or
# KALDERON_32BIT_IN_VM=1), in a qemu guest. It is reported skipped only where
# the root cannot be made or no guest booted, with the reason after the summary.
windows:
	cmake --workflow --preset $@
	@grep -h '^SKIPPED:' build/windows/Testing/Temporary/LastTest.log || true

# The packages alone: the tests neither built nor run, so none of their
# packages is needed (the presets turn them on again for make test).
package-linux: deps-package-linux
	cmake --preset linux -DKALDERON_TESTS=OFF && cmake --build --preset linux
	cd build/linux && cpack -G DEB

package-windows: deps-package-windows
	for p in windows windows-x64; do \
	  cmake --preset $$p -DKALDERON_TESTS=OFF && cmake --build --preset $$p && (cd build/$$p && cpack -G ZIP) || exit 1; \
	done

# Each fuzz target for ten minutes (FUZZ_SECONDS=N for another length); an
# input that breaks an invariant is kept in build/linux/fuzz-findings.
fuzz: deps-test
	cmake --preset linux && cmake --build --preset linux --target fuzz

# The Linux build's configuration with only the benchmark built: none of the
# test tools it does not run (no Wine, qemu or MinGW).
bench: deps-bench
	cmake --preset linux && cmake --build --preset linux --target timer_bench_sim timer_bench_bare
	bench/run.sh build/linux

clean:
	rm -rf build
