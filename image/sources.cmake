list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DibFormat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureHeader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PostScriptImage.cpp
)
list(APPEND WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Dib.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureDecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureEncoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileStream.cpp
)
