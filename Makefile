# The two commands of the README, and the benchmarks.
#   make run    install what is missing, build the program and its cues, start it
#   make test   install what is missing, build, run every test headless
#   make bench  build optimised and run the benchmarks

# CI builds with warnings as errors.
WERROR := $(if $(CI),ON,OFF)

.PHONY: deps run test test-asan bench clean

deps:
	./scripts/install-deps

run: deps
	cmake --preset release -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release --target corvanta cues
	cd build/release/run && ../src/app/corvanta

test: deps
	cmake --preset dev -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset dev
	ctest --preset dev -j2

test-asan: deps
	cmake --preset asan -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset asan
	ctest --preset asan -j2

bench: deps
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	./bench/run-benchmarks build/bench

clean:
	rm -rf build
