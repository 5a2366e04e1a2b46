#include "dates/EventMerge.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

namespace {

struct Counts {
    int nBase = 0, nMine = 0, nTheirs = 0;
};

// How often the merged file holds an entry: the side that changed it wins,
// and the same change made on both sides is made once. Changes of the same
// direction overlap, so the larger stands; opposite ones both count.
int MergedCount(const Counts& c, bool& bConflict) {
    const int nMineDelta = c.nMine - c.nBase, nTheirDelta = c.nTheirs - c.nBase;
    bConflict = false;
    if (nMineDelta == 0 || nMineDelta == nTheirDelta)
        return c.nTheirs;
    if (nTheirDelta == 0)
        return c.nMine;
    bConflict = true;
    if ((nMineDelta > 0) == (nTheirDelta > 0))
        return std::abs(nMineDelta) > std::abs(nTheirDelta) ? c.nMine : c.nTheirs;
    return std::max(0, c.nBase + nMineDelta + nTheirDelta);
}

} // namespace

std::vector<CString> CEventMerge::Merge(const std::vector<CString>& base,
                                        const std::vector<CString>& mine,
                                        const std::vector<CString>& theirs,
                                        std::vector<CString>& conflicts) {
    conflicts.clear();
    if (theirs == base)
        return mine;
    std::map<std::string, Counts> counts;
    for (const CString& s : base)
        ++counts[s.str()].nBase;
    for (const CString& s : mine)
        ++counts[s.str()].nMine;
    for (const CString& s : theirs)
        ++counts[s.str()].nTheirs;
    std::map<std::string, int> left;
    for (const auto& [strValue, c] : counts) {
        bool bConflict = false;
        left[strValue] = MergedCount(c, bConflict);
        if (bConflict)
            conflicts.push_back(CString(strValue));
    }
    // This copy's order first, then what only the file holds in the file's order.
    std::vector<CString> merged;
    for (const std::vector<CString>* pSide : {&mine, &theirs})
        for (const CString& s : *pSide) {
            int& nLeft = left[s.str()];
            if (nLeft > 0) {
                --nLeft;
                merged.push_back(s);
            }
        }
    return merged;
}

bool CEventMerge::SameEntries(const std::vector<CString>& a, const std::vector<CString>& b) {
    if (a.size() != b.size())
        return false;
    // Mostly the same entries in the same order: then nothing is sorted.
    if (a == b)
        return true;
    auto sorted = [](const std::vector<CString>& values) {
        std::vector<const std::string*> texts;
        texts.reserve(values.size());
        for (const CString& s : values)
            texts.push_back(&s.str());
        std::sort(texts.begin(), texts.end(),
                  [](const std::string* x, const std::string* y) { return *x < *y; });
        return texts;
    };
    const std::vector<const std::string*> sortedA = sorted(a), sortedB = sorted(b);
    return std::equal(sortedA.begin(), sortedA.end(), sortedB.begin(),
                      [](const std::string* x, const std::string* y) { return *x == *y; });
}
