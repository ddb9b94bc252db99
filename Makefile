# The two commands a newcomer needs: `make run` and `make test`. Both install what is
# missing first, so they work on a fresh Debian 12 machine.
BUILD ?= build
# The unit and window tests run a second time here, under AddressSanitizer and UBSan.
SANITIZE_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench format clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/vintrel-clock

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINTREL_SANITIZE=ON > /dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) --exclude-regex '^e2e_'

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
