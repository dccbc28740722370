# The two commands of the README, and the benchmarks.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test headless
#   make bench  build optimised and run the benchmarks

# CI builds with warnings as errors.
WERROR := $(if $(CI),ON,OFF)
RUN_DIR := build/release/run

.PHONY: deps run test test-asan bench build-release build-dev clean

deps:
	./scripts/install-deps

build-release: deps
	cmake --preset release -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release

build-dev: deps
	cmake --preset dev -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset dev

run: build-release
	cd $(RUN_DIR) && ../src/app/corvanta

test: build-dev
	ctest --preset dev

test-asan: deps
	cmake --preset asan -DCORVANTA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: build-release
	./scripts/run-benchmarks build/release

clean:
	rm -rf build
