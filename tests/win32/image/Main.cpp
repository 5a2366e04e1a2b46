#include <gtest/gtest.h>

#include "framework/ModalSeam.h"
#include "ShownMessages.h"

std::vector<CString>& ShownMessages() {
    static std::vector<CString> s_messages;
    return s_messages;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    CModalSeam::SetResponder([](CModalRequest& request) {
        if (request.kind != CModalRequest::messageBox)
            return 0;
        ShownMessages().push_back(request.strText);
        return IDOK;
    });
    return RUN_ALL_TESTS();
}
