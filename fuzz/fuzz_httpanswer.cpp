// Fuzz target: a web server's answer as the text request returns it. The
// input, cut at the first NUL byte, is the body and the installed bank
// version's line. The body becomes the answer text (GBK, blanks trimmed),
// which the update check reads as a stamp and compares with the version.
#include "foundation/answertext.h"
#include "foundation/gbkfile.h"
#include "update/manifest.h"

#include "fuzzsupport.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = bytes.indexOf('\0');
    const QByteArray body = cut < 0 ? bytes : bytes.left(cut);
    const QString answer = fnd::answerText(body);
    check(answer.size() <= body.size());
    check(!answer.startsWith(u' ') && !answer.endsWith(u' '));

    const QString version = cut < 0 ? QString() : fnd::decodeGbk(fnd::splitLines(bytes.mid(cut + 1)).value(0)).trimmed();
    if (const auto stamp = upd::checkedStamp(answer)) {
        check(stamp->startsWith(QStringLiteral("20")) && stamp->size() <= 12);
        check(!upd::isNewer(*stamp, *stamp));
        check(!(upd::isNewer(*stamp, version) && upd::isNewer(version, *stamp)));
    }
    return 0;
}
