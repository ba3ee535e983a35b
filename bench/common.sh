# What the benchmark scripts share; sourced from the repository's top folder.

# Builds the given targets in release mode into build-bench/, with their log shown only
# on failure.
build_bench() {
  mkdir -p build-bench
  if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
         cmake --build build-bench --target lx_make_ontology "$@"; } >build-bench/build.log 2>&1; then
    cat build-bench/build.log >&2
    exit 1
  fi
  mkdir -p build-bench/data
}

# The synthetic ontology of n concepts, made on first use (and again when the generator or
# the file's layout changed, or a run was interrupted); prints its path.
synthetic_ontology() {
  local file=build-bench/data/onto-$1.ont
  if [ ! -f "$file.targets" ] || [ bench/make_ontology.cpp -nt "$file.targets" ] ||
     [ src/ontology/OntologySchema.cpp -nt "$file.targets" ]; then
    build-bench/bin/lx_make_ontology "$file" "$1" >&2
  fi
  echo "$file"
}
