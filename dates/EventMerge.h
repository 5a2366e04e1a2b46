// CEventMerge: what an event file should hold when this copy of the program
// writes it, though another copy (or an editor) may have written it since
// this one read it. Entries are compared as whole values ("date;caption");
// one that occurs twice counts twice.
#pragma once
#include <vector>

#include "framework/String.h"

class CEventMerge {
public:
    // base: the values as this copy read them; mine: those it wants written;
    // theirs: those the file holds now. The result is theirs with this copy's
    // insertions and removals applied; while the file is as it was read, it
    // is mine as it stands. An entry whose number was changed both here and
    // there, differently, goes into conflicts; the result then applies both
    // changes, so that no entry is lost for it.
    static std::vector<CString> Merge(const std::vector<CString>& base,
                                      const std::vector<CString>& mine,
                                      const std::vector<CString>& theirs,
                                      std::vector<CString>& conflicts);
    // True when both hold the same entries, in whatever order.
    static bool SameEntries(const std::vector<CString>& a, const std::vector<CString>& b);
};
