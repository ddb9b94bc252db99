# The two commands a newcomer needs: `make run` and `make test`. Both install what is
# missing first, so they work on a fresh Debian 12 machine.
BUILD ?= build
# The unit and window tests run a second time here, under AddressSanitizer and UBSan.
SANITIZE_BUILD ?= build-asan
JOBS ?= $(shell nproc)
# The Debian package is built from a Release build of its own, installed under /usr.
DEB_BUILD ?= build-deb

.PHONY: deps configure build run test deb bench format clean

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
	@$(MAKE) --no-print-directory deb
	tests/package/unpacked.sh $(DEB_BUILD)/vintrel-clock_*.deb
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINTREL_SANITIZE=ON > /dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) --exclude-regex '^e2e_'

# Debian's hardening flags, as its own packages are built; the debug information would be
# stripped from the package anyway.
deb: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
deb: export DEB_CXXFLAGS_MAINT_STRIP = -g
deb: deps
	@CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
		LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
		cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DVINTREL_TESTS=OFF > /dev/null
	@cmake --build $(DEB_BUILD) -j $(JOBS)
	@rm -f $(DEB_BUILD)/*.deb
	@cd $(DEB_BUILD) && cpack > /dev/null
	cp $(DEB_BUILD)/vintrel-clock_*.deb .

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(DEB_BUILD)
