#include "run/reviewlists.h"

#include "run/runstate.h"

namespace run {

ReviewSplit splitReviewed(const FlaggedList &list)
{
    ReviewSplit s;
    for (int k = 1; k <= list.count(); ++k)
        (list.flags.at(k - 1) == u'T' ? s.reviewed : s.notReviewed) += idAt(list.ids, k);
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
