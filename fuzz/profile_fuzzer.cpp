// Any bytes as a profile file: reading never fails badly, and a value that is written reads back
// exactly, with every other key still readable as before.
#include "store/ProfileText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The first line is the value to write, the rest is the file.
    const qsizetype split = input.indexOf('\n');
    const QString value = QString::fromUtf8(split < 0 ? input : input.first(split));
    const QByteArray text = split < 0 ? QByteArray() : input.sliced(split + 1);

    const auto before = profile::readValue(text, u"Image", u"Repertoire");
    const auto written = profile::writeValue(text, u"Image", u"Value", value);
    if (!written)
        return 0;
    if (profile::readValue(*written, u"Image", u"Value") != value)
        std::abort();
    if (profile::readValue(*written, u"Image", u"Repertoire") != before)
        std::abort();
    return 0;
}
