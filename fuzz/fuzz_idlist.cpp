// Fuzz target: id lists and flag strings. The input, cut at NUL bytes, is an
// id file, a flag file (their first lines count), an id to look for and a
// list of edits (two bytes each: append the id or remove an entry). The list
// read from the two lines keeps whole writable ids with one flag each through
// every edit, a lookup finds the first equal whole entry, and the list
// written to the marked list's files reads back as it was written.
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/programfolder.h"
#include "run/records.h"

#include "fuzzsupport.h"

using fuzz::check;

namespace {

void checkWhole(const run::FlaggedList &l)
{
    check(l.ids.size() % run::IdWidth == 0);
    check(l.flags.size() == l.count());
    check(!l.flags.contains(u' '));
    for (int k = 1; k <= l.count(); ++k)
        check(run::writableId(run::idAt(l.ids, k)));
}

// What a text becomes once written and read again.
QString asStored(const QString &s) { return fnd::decodeGbk(fnd::encodeGbk(s)); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = false;
    if (!ready) {
        fnd::overrideProgramFolder(fuzz::scratchFolder("idlist"));
        fnd::ErrLogFile.clear();
        ready = true;
    }
    const fuzz::Pieces in(data, size);
    // Each list is one line of its file.
    const QString idLine = fnd::decodeGbk(fnd::splitLines(in[0]).value(0));
    const QString flagLine = fnd::decodeGbk(fnd::splitLines(in[1]).value(0));
    // Ids come from lines too (or are numbers): no line break in them.
    const QString id = fnd::decodeGbk(fnd::splitLines(in[2]).value(0));

    // The raw rules.
    const int n = run::idCount(idLine);
    check(n == idLine.size() / run::IdWidth);
    check(run::idAt(idLine, 0).isEmpty() && run::idAt(idLine, n + 1).isEmpty());
    const int found = run::indexOfId(idLine, id);
    check(found >= 0 && found <= n);
    if (found > 0) {
        check(run::idAt(idLine, found) == id);
        for (int k = 1; k < found; ++k)
            check(run::idAt(idLine, k) != id);
    } else {
        for (int k = 1; k <= n; ++k)
            check(run::idAt(idLine, k) != id);
    }
    for (int count : {-1, 0, 1, n, int(flagLine.size()), int(flagLine.size()) + 3}) {
        const QString fitted = run::fitFlags(flagLine, count);
        check(fitted.size() == std::max(count, 0));
        check(fitted.startsWith(flagLine.left(std::max(count, 0))));
    }
    check(run::idText(int(int16_t(size * 37))).size() == run::IdWidth);

    // The list held whole, through the edits.
    run::FlaggedList list = run::FlaggedList::fromLines(idLine, flagLine);
    checkWhole(list);
    check(list.count() <= n);
    const QByteArray edits = in[3];
    const QString newId = run::writableId(id) && id.size() == run::IdWidth ? id : run::idText(int(size));
    for (qsizetype i = 0; i + 1 < edits.size(); i += 2) {
        const int before = list.count();
        if (edits[i] & 1) {
            list.append(newId);
            check(list.count() == before + 1 && list.flags.endsWith(u'F') && list.indexOf(newId) > 0);
        } else if (before > 0) {
            const int k = 1 + uint8_t(edits[i + 1]) % before;
            const QString rest = list.ids.left((k - 1) * run::IdWidth) + list.ids.mid(k * run::IdWidth);
            list.removeAt(k);
            check(list.count() == before - 1 && list.ids == rest);
        }
        checkWhole(list);
    }

    // Written and read again.
    const run::ListFiles files = run::markedListFiles();
    run::RecordWrites writes;
    run::writeFlaggedList(files, list, writes);
    if (writes.ok()) {
        const run::FlaggedList back = run::readFlaggedList(files);
        checkWhole(back);
        check(back.count() == list.count());
        check(back.ids == asStored(list.ids) && back.flags == asStored(list.flags));
    }
    return 0;
}
