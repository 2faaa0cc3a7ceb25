#include "run/reviewlists.h"

#include "run/runstate.h"

namespace run {

ReviewSplit splitReviewed(const FlaggedList &list)
{
    ReviewSplit s;
    const int n = list.count();
    const QStringView ids(list.ids);
    // A run of entries with the same kind of flag goes over in one piece (a
    // list may hold millions); a list of one kind is shared, not copied.
    for (int k = 0; k < n;) {
        const bool reviewed = list.flags.at(k) == u'T';
        int end = k + 1;
        while (end < n && (list.flags.at(end) == u'T') == reviewed)
            ++end;
        QString &to = reviewed ? s.reviewed : s.notReviewed;
        if (k == 0 && end == n && list.ids.size() == qsizetype(n) * IdWidth)
            to = list.ids;
        else
            to += ids.mid(qsizetype(k) * IdWidth, qsizetype(end - k) * IdWidth);
        k = end;
    }
    return s;
}

namespace {
// The ids of one group, each with the group's flag.
FlaggedList group(const QString &ids, QChar flag) { return {ids, QString(idCount(ids), flag)}; }
} // namespace

FlaggedList reviewSet(const FlaggedList &list, int filter)
{
    FlaggedList set;
    if (filter == (NotReviewedBit | ReviewedBit))
        set = list;
    else if (filter == NotReviewedBit)
        set = group(splitReviewed(list).notReviewed, u'F');
    else if (filter == ReviewedBit)
        set = group(splitReviewed(list).reviewed, u'T');
    set.ids.truncate(qsizetype(MaxQuestions) * IdWidth);
    set.flags.truncate(MaxQuestions);
    return set;
}

FlaggedList clearedList(const FlaggedList &list, int filter)
{
    if (filter == NotReviewedBit)
        return group(splitReviewed(list).reviewed, u'T');
    if (filter == ReviewedBit)
        return group(splitReviewed(list).notReviewed, u'F');
    return {};
}

} // namespace run
