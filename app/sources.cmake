list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramArgument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpTopics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsReader.cpp
)
list(APPEND WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AlmanarkApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellRegistration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextElement.cpp
)
list(APPEND APP_MAIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Main.cpp
)
