# What the benchmark scripts share; sourced, after "cd" to the source folder.
#   build_bench <targets...>   builds the targets in release mode into build-bench/
#   bench_data <concepts>      prints the synthetic ontology of that size, made when missing
#                              or older than its generator (kept in build-bench/data)

build_bench() {
  mkdir -p build-bench
  if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
         cmake --build build-bench --target lx_make_ontology "$@"; } >build-bench/build.log 2>&1; then
    cat build-bench/build.log >&2
    exit 1
  fi
  mkdir -p build-bench/data
}

bench_data() {
  local file=build-bench/data/onto-$1.ont
  if [ ! -f "$file.targets" ] || [ bench/make_ontology.cpp -nt "$file.targets" ]; then
    build-bench/bin/lx_make_ontology "$file" "$1" >&2
  fi
  echo "$file"
}
