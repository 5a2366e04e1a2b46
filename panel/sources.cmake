list(APPEND WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CalendarPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StylePage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImagePage.cpp
)
