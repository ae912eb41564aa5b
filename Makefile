# Set-up, build and test in one place. Every target installs what it needs.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
CMAKE_OPTIONS ?=
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 300
BENCH_DIR ?= build-bench

BUILD_PACKAGES := cmake g++ make pkg-config qtbase5-dev qtbase5-dev-tools
RUN_PACKAGES := $(BUILD_PACKAGES) libqt5svg5 cjk-font
TEST_PACKAGES := $(BUILD_PACKAGES) time
FUZZ_PACKAGES := clang libclang-rt-14-dev
BENCH_PACKAGES := libbenchmark-dev time

# The SVG plug-in draws the window icon; the validators check the menu entry
# and the AppStream metadata.
TEST_PACKAGES += libqt5svg5 desktop-file-utils appstream
PACKAGE_PACKAGES := dpkg-dev file
PACKAGE_CHECK_PACKAGES := desktop-file-utils appstream lintian

.PHONY: run test test-sanitize fuzz bench build configure clean package package-check

run: build
	@tools/install-deps $(RUN_PACKAGES)
	$(BUILD_DIR)/bin/classcount

test: TARGET_PACKAGES = $(TEST_PACKAGES)
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	@$(MAKE) --no-print-directory test BUILD_DIR=$(SANITIZE_DIR) CMAKE_OPTIONS=-DCLASSCOUNT_SANITIZE=ON

# Fuzzes the core for FUZZ_SECONDS; new inputs go to $(FUZZ_DIR)/corpus, the
# checked-in seeds stay as they are, and a failing input is saved in $(FUZZ_DIR).
fuzz:
	@$(MAKE) --no-print-directory configure BUILD_DIR=$(FUZZ_DIR) TARGET_PACKAGES="$(FUZZ_PACKAGES)" \
		CMAKE_OPTIONS="-DCMAKE_CXX_COMPILER=clang++ -DCLASSCOUNT_FUZZ=ON -DBUILD_TESTING=OFF"
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target classcount-fuzz
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/bin/classcount-fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus fuzz/corpus

bench:
	@$(MAKE) --no-print-directory configure BUILD_DIR=$(BENCH_DIR) BUILD_TYPE=Release \
		TARGET_PACKAGES="$(BENCH_PACKAGES)" CMAKE_OPTIONS="-DCLASSCOUNT_BENCH=ON -DBUILD_TESTING=OFF"
	cmake --build $(BENCH_DIR) -j $(JOBS) --target classcount-bench classcount-bench-desktop classcount-generate classcount-table
	$(BENCH_DIR)/bin/classcount-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(BENCH_DIR)/bin/classcount-bench-desktop --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bench/time-cli $(BENCH_DIR)/bin

# $(BUILD_DIR)/classcount_<version>_amd64.deb, its dependencies read off the binaries.
package: TARGET_PACKAGES = $(PACKAGE_PACKAGES)
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Checks the package without installing it.
package-check: package
	@tools/install-deps $(PACKAGE_CHECK_PACKAGES)
	tools/check-package $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure:
	@tools/install-deps $(BUILD_PACKAGES) $(TARGET_PACKAGES)
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_OPTIONS)

clean:
	rm -rf $(BUILD_DIR)
