# The everyday commands. Each one installs what is missing first.
.PHONY: run test test-asan windows wine-test deps clean

deps:
	@scripts/deps.sh

run: deps
	cmake --preset sim >/dev/null
	cmake --build --preset sim --target corvane-sim
	build/sim/app/corvane-sim

test: deps
	cmake --preset sim >/dev/null
	cmake --build --preset sim
	ctest --preset sim

test-asan: deps
	cmake --preset sim-asan >/dev/null
	cmake --build --preset sim-asan
	ctest --preset sim-asan

windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows

wine-test: windows
	@scripts/wine-deps.sh
	tests/windows/run_wine_tests.sh

clean:
	rm -rf build
