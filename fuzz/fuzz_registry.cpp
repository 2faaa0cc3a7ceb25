// Fuzz target: the registry stand-in's INI file, as the program finds it
// when it records its install values. The input, cut at NUL bytes, is the
// INI file, the product's key name (its first line), the module number and
// the value's text. A value already in the file is written, then the
// install value: each write that reports success reads back as written,
// and the second does not lose the first.
#include "foundation/gbkfile.h"
#include "foundation/infocode.h"
#include "foundation/productinfo.h"
#include "platform/registry.h"

#include "fuzzsupport.h"

using fuzz::check;

namespace {

bool readsBack(const QString &key, const QString &name, const QString &text)
{
    return plat::registryValue(plat::HKEY_CURRENT_USER, key, name).toString() == text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Pieces in(data, size);
    // One file, replaced each time, so that the settings layer's cache of
    // parsed files stays one entry (a growing cache makes every run a leak
    // hunt).
    static const QString file = fuzz::scratchFolder("registry") + QStringLiteral("/registry.ini");
    fuzz::put(file, in[0]);
    plat::overrideRegistryFile(file);

    const QString key = QStringLiteral("Software\\") + fnd::decodeGbk(fnd::splitLines(in[1]).value(0)).trimmed();
    const QString nn = fnd::moduleSuffix(int(fnd::decodeGbk(in[2]).left(6).toInt()));
    const QString text = fnd::decodeGbk(in[3]) + QString(72, u'*');

    // Whatever the file holds is read without harm.
    (void)plat::registryValue(plat::HKEY_CURRENT_USER, key, QStringLiteral("ProPath") + nn);
    (void)plat::registryValue(plat::HKEY_LOCAL_MACHINE, QStringLiteral("Software"), QStringLiteral("x"));

    qint32 length = 0;
    QVariant first = QStringLiteral("C:\\kv\\");
    const long a = fnd::SetRegValue(plat::HKEY_CURRENT_USER, key, QStringLiteral("ProName") + nn, plat::REG_SZ,
                                    first, length);
    if (a == plat::ERROR_SUCCESS)
        check(readsBack(key, QStringLiteral("ProName") + nn, QStringLiteral("C:\\kv\\")));
    QVariant second = text;
    const long b = fnd::SetRegValue(plat::HKEY_CURRENT_USER, key, QStringLiteral("ProPath") + nn, plat::REG_SZ,
                                    second, length);
    check(length == fnd::encodeGbk(text).size() + 1);
    if (b == plat::ERROR_SUCCESS) {
        check(readsBack(key, QStringLiteral("ProPath") + nn, text));
        if (a == plat::ERROR_SUCCESS)
            check(readsBack(key, QStringLiteral("ProName") + nn, QStringLiteral("C:\\kv\\")));
    }
    QVariant number = int(size);
    const long c = fnd::SetRegValue(plat::HKEY_CURRENT_USER, key, QStringLiteral("Count"), plat::REG_DWORD, number,
                                    length);
    if (c == plat::ERROR_SUCCESS)
        check(plat::registryValue(plat::HKEY_CURRENT_USER, key, QStringLiteral("Count")).toInt() == int(size));
    return 0;
}
