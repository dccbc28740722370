# The two commands of the README, and the benchmarks.
#   make run    install what building and running need, build the program and its cues, start it
#   make test   install that and the test tools, build, run every test headless
#   make bench  install that and the measuring tools, build optimised and run the benchmarks

# CI builds with warnings as errors.
WERROR := $(if $(CI),ON,OFF)

.PHONY: run test test-asan bench clean

run:
	./scripts/install-deps run
	cmake --preset release -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release --target corvanta cues
	build/release/bin/corvanta

test:
	./scripts/install-deps test
	cmake --preset dev -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset dev
	ctest --preset dev -j2

test-asan:
	./scripts/install-deps test
	cmake --preset asan -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset asan
	ctest --preset asan -j2

bench:
	./scripts/install-deps bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	./bench/run-benchmarks build/bench

clean:
	rm -rf build
