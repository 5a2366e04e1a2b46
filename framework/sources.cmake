list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/String.cpp
    ${CMAKE_CURRENT_LIST_DIR}/File.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileException.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MemFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Archive.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandLineInfo.cpp
)
list(APPEND WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Wnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModalSeam.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WinApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecentFileList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocTemplate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/View.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameWnd.cpp
)
