# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
# Warnings are errors in the project's own builds (WERROR=OFF for a compiler the code has not met).
WERROR ?= ON
# /usr: the prefix of the Debian package, whose program looks for its data under it.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
	-DQUORVANE_WERROR=$(WERROR)

.PHONY: run test build deps engine-deps bench package hardening fuzz

# What the engine, its tests and the sanitizer build need.
engine-deps:
	@scripts/install-deps.sh engine

# Everything: the window, its tests, the package and the browser tests.
deps:
	@scripts/install-deps.sh all
	@scripts/install-browser-tests.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)

# The web engine's sandbox refuses to run as root; the README says why it is switched off then.
run: build
	$(if $(filter 0,$(shell id -u)),QTWEBENGINE_DISABLE_SANDBOX=1 )$(BUILD_DIR)/quorvane

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	$(BUILD_DIR)/benchmarks/quorvane_bench
	$(BUILD_DIR)/benchmarks/quorvane_file_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/benchmarks/quorvane_gui_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/benchmarks/quorvane_startup_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/benchmarks/quorvane_window_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/benchmarks/quorvane_undo_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/benchmarks/quorvane_import_window_bench
	QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
		$(BUILD_DIR)/benchmarks/quorvane_preview_bench
	$(BUILD_DIR)/benchmarks/quorvane_process_bench

package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The engine under AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every
# fuzzer (FUZZ_SECONDS each, under two minutes in all) on its seeds, over the engine instrumented
# for coverage.
HARDENING_DIR ?= build-hardening
FUZZ_SECONDS ?= 15
# Real projects run to tens of kilobytes.
FUZZ_MAX_LEN ?= 65536
FUZZERS = project_reader_fuzzer export_fuzzer round_trip_fuzzer bookmarks_fuzzer sitemap_fuzzer \
	page_fuzzer text_fuzzer
PROJECT_SEEDS = data/examples tests/fuzz/seeds
FUZZ_SEEDS_project_reader_fuzzer = $(PROJECT_SEEDS)
FUZZ_SEEDS_export_fuzzer = $(PROJECT_SEEDS)
FUZZ_SEEDS_round_trip_fuzzer = $(PROJECT_SEEDS)
FUZZ_SEEDS_bookmarks_fuzzer = tests/import/files
FUZZ_SEEDS_sitemap_fuzzer = tests/import/files/site tests/import/files/bad
FUZZ_SEEDS_page_fuzzer = tests/import/files
FUZZ_SEEDS_text_fuzzer = tests/fuzz/seeds-text

$(HARDENING_DIR)/build.ninja:
	@cmake -S . -B $(HARDENING_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BUILD_GUI=OFF -DQUORVANE_SANITIZE=ON \
		-DQUORVANE_WERROR=$(WERROR) >/dev/null

hardening: engine-deps $(HARDENING_DIR)/build.ninja
	@cmake --build $(HARDENING_DIR)
	cd $(HARDENING_DIR) && ctest --output-on-failure
	@$(MAKE) --no-print-directory fuzz

fuzz: engine-deps $(HARDENING_DIR)/build.ninja
	@cmake --build $(HARDENING_DIR) --target $(FUZZERS)
	@$(MAKE) --no-print-directory $(addprefix fuzz-run-,$(FUZZERS))

fuzz-run-%:
	@mkdir -p $(HARDENING_DIR)/fuzz-corpus/$*
	$(HARDENING_DIR)/tests/fuzz/$* -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) \
		-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=$(HARDENING_DIR)/$*- \
		$(HARDENING_DIR)/fuzz-corpus/$* $(FUZZ_SEEDS_$*)
