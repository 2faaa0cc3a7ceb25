// Fuzz target: key acceptance. Every line of the input, decoded as GBK, is a
// step record: the keys it accepts are read from its operation code, its key
// alternatives and the shortcuts its targets name; each of them, and only
// they, advance the step, and each has a Qt key that gives its code back.
// Each line is also read as a key name and as a menu item's MMII.
#include "foundation/gbkfile.h"
#include "simwin/checks/keyaccept.h"
#include "simwin/scene/steprecord.h"

#include "fuzzsupport.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &raw : fnd::splitLines(bytes)) {
        const QString line = fnd::decodeGbk(raw);
        const QList<scene::KeyPress> keys = chk::acceptedKeys(line);
        check(keys.size() <= 7);
        for (const scene::KeyPress &p : keys) {
            check(chk::keyClick(line, p.code, p.shift) == chk::StepMove::next());
            check(p.shift >= 0 && p.shift <= 9 && p.code >= 0 && p.code <= 255);
            if (const auto qt = scene::qtKey(p.code, p.shift))
                check(scene::keyCode(qt->key, qt->modifiers) == p.code);
        }
        // A key no step accepts.
        check(!chk::keyClick(line, -1, 0).advances());
        for (chk::KeyPlace place : {chk::KeyPlace::OperationCode, chk::KeyPlace::Alt86, chk::KeyPlace::Alt91,
                                    chk::KeyPlace::Alt96}) {
            const int code = line.isEmpty() ? 6000 : 6000 + int(line.at(0).unicode()) % 1000;
            check(chk::keyOfCode(code, place).has_value());
            check(!chk::keyOfCode(7000 + (scene::stepType(line) % 1000 + 1000) % 1000, place).has_value());
        }
        (void)chk::shortcut(line.left(4));
        if (const auto named = scene::parseKey(line))
            check(scene::parseKey(scene::keyName(*named)) == named);
    }
    return 0;
}
