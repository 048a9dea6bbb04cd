// The cost of cutting the tail out of command lines from 16 bytes to 32 KiB:
// a name, then one long argument.

#include "command_line.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void cut_tail(benchmark::State &state) {
    const auto size = static_cast<size_t>(state.range(0));
    // The name is most of the line: it is where the scan looks at every byte.
    std::string line = "\"C:\\Program Files\\Tavrinel\\" + std::string(size, 'n');
    line.resize(size - 3);
    line += "\" x";
    LeadByteSet lead_bytes;
    lead_bytes_of_known_code_page(932, &lead_bytes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cut_command_line_tail(line.data(), &lead_bytes));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(cut_tail)->RangeMultiplier(4)->Range(16, 32 << 10)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
