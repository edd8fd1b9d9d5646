// Any text as a stored trace: read as a stroke or as none, never a crash; a stroke read writes
// back as a trace that reads as the same stroke.
#include "recognition/Stroke.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString trace =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<Stroke> stroke = strokeOfTrace(trace);
    if (stroke && (stroke->size() < 2 || stroke->size() > mostTracePoints ||
                   strokeOfTrace(traceOf(*stroke)) != stroke))
        std::abort();
    return 0;
}
