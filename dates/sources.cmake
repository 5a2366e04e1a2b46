list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DateCalc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventRule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Holidays.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WeekLayout.cpp
)
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EventList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventFileNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventSection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventFileReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventMerge.cpp
)
list(APPEND WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EventsPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalendarNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SpecificDatePage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalculatedDatePage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HolidaysPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InsertDateDlg.cpp
)
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ICalendarReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventImport.cpp
)
