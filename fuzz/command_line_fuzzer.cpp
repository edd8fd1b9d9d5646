// Any text as a shortcut's program: it becomes a program and arguments, or nothing, and a
// program is never empty.
#include "launch/ProgramText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString repertoire =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ProgramText text(repertoire);
    const std::optional<ProgramCommand>& command = text.command();
    if (command && command->program.isEmpty())
        std::abort();
    return 0;
}
