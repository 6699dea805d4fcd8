# The program in the user's language. translations/quorvane_<language>.ts hold the translations;
# `cmake --build build --target update_translations` brings them up to date with the texts of the
# sources, and every build turns them into the .qm files the program loads from its
# "translations" folder (beside it in the build, in the data folder once installed).
set(QUORVANE_LANGUAGES de fr es)
set(QUORVANE_TS_FILES)
foreach(language ${QUORVANE_LANGUAGES})
    list(APPEND QUORVANE_TS_FILES ${PROJECT_SOURCE_DIR}/translations/quorvane_${language}.ts)
endforeach()
set_source_files_properties(${QUORVANE_TS_FILES} PROPERTIES
    OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)

# The engine marks the texts the windows translate with TRANSLATABLE(context, text).
set(QUORVANE_LUPDATE_OPTIONS
    -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE -no-obsolete -locations none)
file(GLOB_RECURSE QUORVANE_TRANSLATED_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/gui/*.cpp ${PROJECT_SOURCE_DIR}/src/gui/*.h
    ${PROJECT_SOURCE_DIR}/src/core/*.cpp ${PROJECT_SOURCE_DIR}/src/core/*.h
    ${PROJECT_SOURCE_DIR}/src/import/*.cpp ${PROJECT_SOURCE_DIR}/src/import/*.h)

qt_add_translations(quorvane_gui
    TS_FILES ${QUORVANE_TS_FILES}
    SOURCES ${QUORVANE_TRANSLATED_SOURCES}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src/gui ${PROJECT_SOURCE_DIR}/src/core
    LUPDATE_OPTIONS ${QUORVANE_LUPDATE_OPTIONS}
    QM_FILES_OUTPUT_VARIABLE QUORVANE_QM_FILES)
