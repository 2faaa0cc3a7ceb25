// Fuzz target: the keyboard layouts the question window offers, read from the
// registry stand-in's INI file. The input is that file: whatever it holds,
// the list has one layout at least (the US layout when it names none or
// not all in hexadecimal) and at most MaxLayouts, and every layout's
// description reads without harm.
#include "platform/keyboardlayout.h"
#include "platform/registry.h"

#include "fuzzsupport.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString file = fuzz::scratchFolder("keyboardlayouts") + QStringLiteral("/registry.ini");
    plat::overrideRegistryFile(file);
    fuzz::put(file, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QList<quint32> layouts = plat::keyboardLayoutList();
    check(!layouts.isEmpty() && layouts.size() <= plat::MaxLayouts);
    for (quint32 layout : layouts)
        (void)plat::imeDescription(layout);
    (void)plat::imeDescription(0);
    return 0;
}
