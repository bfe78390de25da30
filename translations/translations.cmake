# The translations of every text a player reads. The sources speak Serbian
# without diacritics; each .ts file gives one other language. lrelease turns
# them into .qm files embedded in zaviko_ui under :/i18n, so the program, the
# tests and the screenshot programs all carry them without files beside them.
# Included from ui/CMakeLists.txt, in the folder of the zaviko_ui target.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(zaviko_ts_files
    ${CMAKE_SOURCE_DIR}/translations/zaviko_en.ts
    ${CMAKE_SOURCE_DIR}/translations/zaviko_sr_Latn.ts
    ${CMAKE_SOURCE_DIR}/translations/zaviko_sr_Cyrl.ts)
# The folders whose texts a player can read; the translation check scans the same.
set(zaviko_translated_dirs cards game net platform settings ui)
set(zaviko_lupdate_options -no-obsolete -locations none)

set(zaviko_translated_sources)
foreach(dir IN LISTS zaviko_translated_dirs)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND zaviko_translated_sources ${found})
endforeach()

# `cmake --build build --target update_translations` brings new texts into the
# .ts files; the check in ctest fails until they are there and translated.
qt_add_lupdate(zaviko_ui TS_FILES ${zaviko_ts_files} SOURCES ${zaviko_translated_sources}
    OPTIONS ${zaviko_lupdate_options})
qt_add_lrelease(zaviko_ui TS_FILES ${zaviko_ts_files} QM_FILES_OUTPUT_VARIABLE zaviko_qm_files)
qt_add_resources(zaviko_ui "zaviko_translations" PREFIX "/i18n"
    BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${zaviko_qm_files})
