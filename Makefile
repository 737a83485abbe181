# The two commands a newcomer needs: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: run test deps linux windows test-linux test-windows bench package-windows clean

run: deps linux
	scripts/run-panel.sh build/linux/kalderon-test-sim

test: deps test-linux test-windows

deps:
	scripts/install-deps.sh

linux:
	cmake --preset linux
	cmake --build --preset linux -j $(JOBS)

windows:
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

test-linux: linux
	ctest --preset linux

test-windows: windows
	ctest --preset windows
	cd build/windows && cpack -G ZIP >/dev/null && echo "built build/windows/kalderon-test-*-windows.zip"

package-windows: windows
	cd build/windows && cpack -G ZIP

bench: deps linux
	bench/run.sh build/linux

clean:
	rm -rf build
