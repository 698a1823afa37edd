# Ravlo: `make run` starts the calculator, `make test` runs every test.
# Both install whatever Debian packages are missing first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
BUILD_PACKAGE ?= build-package
PREFIX     ?= /usr/local
BUILD_FUZZ ?= build-fuzz
BUILD_WEB  ?= build-web
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= checker evaluator solver process calc_state render number_theory siki_file \
                settings_file
BUILD_TYPE ?= RelWithDebInfo
CTEST_ENV  := QT_QPA_PLATFORM=offscreen

.PHONY: all deps deps-web web web-serve bench-web-page configure build test test-asan bench bench-web fuzz fuzz-build fuzz-slowest run install \
        package clean

all: build

deps:
	@scripts/install-deps.sh

deps-web:
	@scripts/install-deps.sh --web

# The web edition: the libraries without Qt compiled to WebAssembly by Debian's Emscripten.
# Its optimizer needs Debian's node-acorn, which a Node.js from elsewhere does not look for.
web: deps-web
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(BUILD_WEB) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DRAVLO_WEB=ON -DRAVLO_TESTS=OFF -DRAVLO_BENCH=OFF
	NODE_PATH=/usr/share/nodejs cmake --build $(BUILD_WEB)

# The page with the engine, served from $(BUILD_WEB)/site/ (the folder a school copies).
web-serve: web
	node scripts/serve-site.mjs $(BUILD_WEB)/site 8080

# First paint after a cached reload and key-to-repaint time in Debian's chromium.
bench-web-page: web
	node bench/web_page_bench.mjs $(BUILD_WEB)/site

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

test: build web
	cd $(BUILD) && $(CTEST_ENV) ctest --output-on-failure --timeout 300

test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRAVLO_SANITIZE=ON -DRAVLO_BENCH=OFF \
	  -DRAVLO_WEB_TESTS=OFF
	cmake --build $(BUILD_ASAN)
	cd $(BUILD_ASAN) && $(CTEST_ENV) ASAN_OPTIONS=detect_leaks=1 ctest -j2 --output-on-failure --timeout 600

bench: deps
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVLO_BENCH=ON
	cmake --build $(BUILD_BENCH) --target ravlo-bench
	$(BUILD_BENCH)/bin/ravlo-bench

# The web edition against the desktop: the same batch through both command-line programs.
bench-web: web
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVLO_BENCH=ON
	cmake --build $(BUILD_BENCH) --target ravlo-bench
	$(BUILD_BENCH)/bin/ravlo-bench --benchmark_filter='Web'

# The engine and the file readers under libFuzzer (clang), FUZZ_SECONDS for each target.
fuzz-build: deps
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAVLO_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD_FUZZ)

fuzz: fuzz-build
	scripts/run-fuzz.sh $(BUILD_FUZZ) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The grown corpora at full speed in the ordinary build: the slowest inputs of each target.
fuzz-slowest: build
	@for t in $(FUZZ_TARGETS); do echo "== $$t"; \
	  $(BUILD)/bin/fuzz_$${t}_replay --slowest 3 fuzz/corpus/$$t $(BUILD_FUZZ)/corpus/$$t; done

run: build
	@if [ -x $(BUILD)/bin/ravlo ]; then $(BUILD)/bin/ravlo; \
	else echo "The desktop program is not built yet; try $(BUILD)/bin/ravlo-cli."; fi

# `make install PREFIX=~/.local` needs no root; DESTDIR=... stages the files for a packager.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --strip
	@if [ -z "$(DESTDIR)" ]; then scripts/update-desktop-caches.sh "$(PREFIX)"; fi

# A Release build without tests or benchmarks, packed by CPack into $(BUILD_PACKAGE)/ravlo_*.deb.
package: deps
	cmake -S . -B $(BUILD_PACKAGE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DRAVLO_TESTS=OFF -DRAVLO_BENCH=OFF
	cmake --build $(BUILD_PACKAGE)
	cd $(BUILD_PACKAGE) && cpack
	@ls $(BUILD_PACKAGE)/ravlo_*.deb

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH) $(BUILD_PACKAGE) $(BUILD_FUZZ) $(BUILD_WEB)
