# The everyday commands. Each one installs what is missing first. `make run ARGS="--lang ja"`
# passes options to corvane-sim.
.PHONY: run test test-asan fuzz windows installer wine-test deps deps-windows clean

deps:
	@scripts/deps.sh

deps-windows:
	@scripts/deps.sh windows

run: deps
	cmake --preset sim >/dev/null
	cmake --build --preset sim --target corvane-sim
	build/sim/app/corvane-sim $(ARGS)

test: deps
	cmake --preset sim >/dev/null
	cmake --build --preset sim
	ctest --preset sim

test-asan: deps
	cmake --preset sim-asan >/dev/null
	cmake --build --preset sim-asan
	ctest --preset sim-asan

# Each fuzz target for FUZZ_SECONDS (20 unless given).
fuzz: deps
	scripts/fuzz.sh $(or $(FUZZ_SECONDS),20)

windows: deps deps-windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows

# build/Corvane-<version>.msi, the 32-bit program's installer.
installer: windows
	scripts/installer.sh build/windows

wine-test: windows
	@scripts/wine-deps.sh
	tests/windows/run_wine_tests.sh

clean:
	rm -rf build
