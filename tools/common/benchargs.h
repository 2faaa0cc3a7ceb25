#pragma once
// The command line of the Google Benchmark tools: their own arguments are
// screened by toolargs.h first; the library then takes its "--benchmark_*"
// options out, and whatever is left refuses the run.

#include "toolargs.h"

#include <benchmark/benchmark.h>

namespace toolargs {

// The usage's last lines for a benchmark tool.
inline const QString BenchmarkOptions = QStringLiteral(
    "Google Benchmark's --benchmark_* options apply (--benchmark_filter=<regex>,\n"
    "--benchmark_repetitions=<n>, --benchmark_list_tests ...).\n");

// Called once the tool has taken its own arguments out of argv: false, with
// the usage on standard error, when an argument is left that neither takes.
inline bool takeBenchmarkOptions(int &argc, char **argv, const QString &usage)
{
    benchmark::Initialize(&argc, argv);
    if (!benchmark::ReportUnrecognizedArguments(argc, argv))
        return true;
    std::fputs(usage.toLocal8Bit().constData(), stderr);
    return false;
}

} // namespace toolargs
