#pragma once
// The main of a benchmark program that needs a QApplication: offscreen unless told otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>

inline int runBenchmarksInQt(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
