list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BoxNavigation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalendarBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImagePlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MonthLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MonthPanelLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PageFractions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PageGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrinterMetrics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrackerMath.cpp
    ${CMAKE_CURRENT_LIST_DIR}/YearLayout.cpp
)
list(APPEND WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AlmanarkView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalendarTracker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DragCanvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageTracker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PageTracker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Positioning.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ViewInteraction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalendarText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PicturePainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/YearPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrinterSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NoteFitter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NoteLines.cpp
)
