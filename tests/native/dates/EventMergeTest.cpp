#include "dates/EventMerge.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Values = std::vector<CString>;

// Two copies of the program on one event file: this copy read base and
// wants mine; the other has written theirs meanwhile.
TEST(EventMerge, AppliesThisCopysChangeToWhatTheFileHoldsNow) {
    struct Case {
        const char* pszCase;
        Values base, mine, theirs, merged, conflicts;
    } cases[] = {
        {"file unchanged: mine as it stands, in its order",
         {"a", "b"},
         {"c", "b"},
         {"a", "b"},
         {"c", "b"},
         {}},
        {"both inserted", {"a"}, {"a", "m"}, {"a", "t"}, {"a", "m", "t"}, {}},
        {"mine removed, theirs inserted", {"a", "b"}, {"b"}, {"a", "b", "t"}, {"b", "t"}, {}},
        {"theirs removed, mine inserted", {"a", "b"}, {"a", "b", "m"}, {"b"}, {"b", "m"}, {}},
        {"the same insertion once", {"a"}, {"a", "n"}, {"n", "a"}, {"a", "n"}, {}},
        {"the same removal once", {"a", "b"}, {"b"}, {"b"}, {"b"}, {}},
        {"a twice-listed entry removed once here",
         {"a", "a"},
         {"a"},
         {"a", "a", "t"},
         {"a", "t"},
         {}},
        {"removed here, listed twice there", {"x"}, {}, {"x", "x"}, {"x"}, {"x"}},
        {"inserted once here, twice there", {}, {"y"}, {"y", "y"}, {"y", "y"}, {"y"}},
        {"file emptied elsewhere", {"a", "b"}, {"a", "b", "m"}, {}, {"m"}, {}},
        {"no file read", {}, {"a"}, {"z"}, {"a", "z"}, {}},
    };
    for (const Case& c : cases) {
        Values conflicts = {"stale"};
        EXPECT_EQ(c.merged, CEventMerge::Merge(c.base, c.mine, c.theirs, conflicts)) << c.pszCase;
        EXPECT_EQ(c.conflicts, conflicts) << c.pszCase;
    }
    EXPECT_TRUE(CEventMerge::SameEntries({"b", "a", "a"}, {"a", "b", "a"}));
    EXPECT_FALSE(CEventMerge::SameEntries({"a", "a"}, {"a"}));
    EXPECT_FALSE(CEventMerge::SameEntries({"a"}, {"A"}));
}

} // namespace
