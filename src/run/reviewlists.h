#pragma once
// The marked-question list and the wrong-question collection as the cover's
// review pages use them, namespace run: a list split by its reviewed flags,
// the practice set a page's filter takes, and what a clear of the filtered
// questions keeps. Plain code over a FlaggedList, whose flags are already
// fitted to its ids (an id without a flag is not reviewed).

#include "run/records.h"

namespace run {

// The review filters' bits: the questions not reviewed yet, the reviewed ones.
constexpr int NotReviewedBit = 1;
constexpr int ReviewedBit = 2;

// A list's ids by flag, each in list order: "T" reviewed, any other not.
struct ReviewSplit
{
    QString notReviewed; // IdList
    QString reviewed;    // IdList
};
ReviewSplit splitReviewed(const FlaggedList &list);

// The practice set of filter 1, 2 or 3 (0 has none): the ids, cut to the
// first MaxQuestions, and one done flag per id ("T" reviewed).
FlaggedList reviewSet(const FlaggedList &list, int filter);

// The list a clear with filter 1, 2 or 3 leaves: the reviewed ids with "T",
// the not-reviewed ones with "F", or nothing.
FlaggedList clearedList(const FlaggedList &list, int filter);

} // namespace run
