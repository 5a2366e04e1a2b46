// Entry point of the date and event tests. A message box that no test
// expects fails the run instead of waiting for a user.
#include <gtest/gtest.h>

#include "framework/ModalSeam.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    CModalSeam::SetResponder([](CModalRequest& request) {
        ADD_FAILURE() << "unexpected modal request: " << request.strText.c_str();
        return request.kind == CModalRequest::messageBox ? IDNO : 0;
    });
    return RUN_ALL_TESTS();
}
