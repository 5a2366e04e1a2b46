// An event file's "Events" section as one profile call returns it, from any
// bytes (each input line one line of the section). Checks that every value
// comes back whole, that a smaller buffer gives its beginning, and that the
// entries end at the first key that reads as the end.
#include "dates/EventSection.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool bOk) {
    if (!bOk)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string strLines((const char*)data, size);
    for (char& ch : strLines)
        if (ch == '\n')
            ch = '\0';
    strLines += '\0';
    const CEventSection section(strLines);
    const std::vector<CString> values = section.WholeValues("END");
    Check(values.size() <= size + 1);
    for (size_t i = 0; i < values.size(); ++i) {
        const CString& strWhole = values[i];
        Check(strWhole != "END" && size_t(strWhole.GetLength()) <= size);
        Check(section.WholeValue(int(i), "END") == strWhole);
        // A buffer that holds the whole value gives it; a smaller one its beginning.
        Check(section.Value(int(i), "END", strWhole.GetLength() + 3) == strWhole);
        const CString strCut = section.Value(int(i), "END", 8);
        Check(strCut.GetLength() <= 7 && strWhole.Left(strCut.GetLength()) == strCut);
    }
    Check(section.WholeValue(int(values.size()), "END") == "END");
    return 0;
}
