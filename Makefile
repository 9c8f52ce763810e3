# The everyday commands. Each one installs what is missing first. `make run ARGS="--lang ja"`
# passes options to corvane-sim.
.PHONY: run test test-asan bench fuzz windows windows-x64 installer wine-test deps deps-windows clean

deps:
	@scripts/deps.sh

deps-windows:
	@scripts/deps.sh windows

run: deps
	scripts/configure.sh sim
	cmake --build --preset sim --target corvane-sim
	build/sim/app/corvane-sim $(ARGS)

test: deps
	scripts/configure.sh sim
	cmake --build --preset sim
	ctest --preset sim

test-asan: deps
	scripts/configure.sh sim-asan
	cmake --build --preset sim-asan
	ctest --preset sim-asan

# What the pictures and the previews cost, printed (the debug build corvane-sim runs as).
bench: deps
	scripts/configure.sh sim
	cmake --build --preset sim --target corvane-bench
	build/sim/tests/corvane-bench

# Each fuzz target for FUZZ_SECONDS (20 unless given).
fuzz: deps
	scripts/fuzz.sh $(or $(FUZZ_SECONDS),20)

windows: deps deps-windows
	scripts/configure.sh windows
	cmake --build --preset windows

# The same program for 64-bit Windows.
windows-x64: deps deps-windows
	scripts/configure.sh windows-x64
	cmake --build --preset windows-x64

# build/Corvane-<version>.msi and build/Corvane-<version>-x64.msi, the installers for 32-bit
# and 64-bit Windows.
installer: windows windows-x64
	scripts/installer.sh build/windows
	scripts/installer.sh build/windows-x64

wine-test: windows windows-x64
	@scripts/wine-deps.sh
	tests/windows/run_wine_tests.sh

clean:
	rm -rf build
