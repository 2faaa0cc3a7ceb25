// Fuzz target: a help page's bytes read by content. Any input gives a text
// and a character-set name taken from the page's head; nothing may crash.
#include "platform/htmltext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray page(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString charset = plat::htmlCharset(page);
    if (charset.size() > 1024)
        std::abort();
    const QString text = plat::decodeHtml(page);
    if (text.size() > page.size() + 1)
        std::abort();
    return 0;
}
