# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
# /usr: the prefix of the Debian package, whose program looks for its data under it.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr

.PHONY: run test build deps bench package hardening fuzz

deps:
	@scripts/install-deps.sh
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

package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The engine under AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every
# fuzzer (FUZZ_SECONDS each) on its seeds.
HARDENING_DIR ?= build-hardening
FUZZ_SECONDS ?= 20
FUZZERS = project_reader_fuzzer bookmarks_fuzzer sitemap_fuzzer page_fuzzer text_fuzzer
FUZZ_SEEDS_project_reader_fuzzer = data/examples tests/fuzz/seeds
FUZZ_SEEDS_bookmarks_fuzzer = tests/import/files
FUZZ_SEEDS_sitemap_fuzzer = tests/import/files/site tests/import/files/bad
FUZZ_SEEDS_page_fuzzer = tests/import/files
FUZZ_SEEDS_text_fuzzer = tests/fuzz/seeds-text

$(HARDENING_DIR)/build.ninja:
	@cmake -S . -B $(HARDENING_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BUILD_GUI=OFF -DQUORVANE_SANITIZE=ON >/dev/null

hardening: deps $(HARDENING_DIR)/build.ninja
	@cmake --build $(HARDENING_DIR)
	cd $(HARDENING_DIR) && ctest --output-on-failure
	@$(MAKE) --no-print-directory fuzz

fuzz: deps $(HARDENING_DIR)/build.ninja
	@cmake --build $(HARDENING_DIR) --target $(FUZZERS)
	@$(MAKE) --no-print-directory $(addprefix fuzz-run-,$(FUZZERS))

fuzz-run-%:
	@mkdir -p $(HARDENING_DIR)/fuzz-corpus/$*
	$(HARDENING_DIR)/tests/fuzz/$* -max_total_time=$(FUZZ_SECONDS) \
		-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=$(HARDENING_DIR)/$*- \
		$(HARDENING_DIR)/fuzz-corpus/$* $(FUZZ_SEEDS_$*)
