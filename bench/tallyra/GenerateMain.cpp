// bench_tallyra_datagen FILE RESULTS [SEED]: writes a realistic results data file.

#include "bench/tallyra/DataGenerator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4 || std::atoi(argv[2]) < 0) {
    std::fputs("usage: bench_tallyra_datagen FILE RESULTS [SEED]\n", stderr);
    return 2;
  }
  tallyra::bench::GeneratorOptions options;
  options.results = std::atoi(argv[2]);
  if (argc == 4) {
    options.seed = static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10));
  }
  if (!tallyra::bench::WriteResultsFile(argv[1], options)) {
    std::fprintf(stderr, "bench_tallyra_datagen: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
