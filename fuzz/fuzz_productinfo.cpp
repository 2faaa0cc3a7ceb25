// Fuzz target: the product information files. The input is ver.txt and the
// data folder's product file, split at the first NUL byte; both go through
// the line reading, the character code and the overlay. The input read as
// UTF-8 text also goes through the encoder, which must round-trip. Linked
// with the core library alone (scripts/fuzz.sh builds it).
#include "foundation/infocode.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = bytes.indexOf('\0');
    const QByteArray verBytes = cut < 0 ? bytes : bytes.left(cut);
    const QByteArray productBytes = cut < 0 ? QByteArray() : bytes.mid(cut + 1);

    const fnd::InfoFileLines ver = fnd::splitInfoLines(verBytes, fnd::VerMaxLines);
    const fnd::InfoFileLines product = fnd::splitInfoLines(productBytes, fnd::ProductMaxLines);
    if (ver.lines.size() > fnd::VerMaxLines || product.lines.size() > fnd::ProductMaxLines)
        std::abort();
    const fnd::InfoResult r = fnd::buildInfo(&ver, cut < 0 ? nullptr : &product);
    // At most one failure per file and kind.
    if (r.failures.size() > 5)
        std::abort();
    for (const QString &e : r.table)
        if (e.startsWith(u' ') || e.endsWith(u' '))
            std::abort();
    (void)fnd::appTitleOf(r.table, r.examTitle);
    if (r.moduleNo)
        (void)fnd::moduleSuffix(*r.moduleNo);

    const QString text = QString::fromUtf8(bytes);
    for (bool high : {false, true}) {
        const auto line = fnd::encodeInfoLine(text, high);
        if (line) {
            const fnd::DecodedInfoLine d = fnd::decodeInfoLine(*line);
            if (d.text != text || d.badCodes != 0)
                std::abort();
        }
    }
    return 0;
}
