# The program's catalogues: one .ts file a language in translations/, for the window and the tool.
# lrelease turns them into .qm files in the program folder's translations/ at build time, where the
# programs find them in the build tree; installed, they go to share/corvane/translations.
# `cmake --build build --target corvane_lupdate` refreshes the .ts files from the texts in src/ and
# tools/ (not part of the default build: it rewrites files in the source tree).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(CORVANE_LANGUAGES de fr es)
set(CORVANE_TS_FILES)
foreach(language ${CORVANE_LANGUAGES})
  list(APPEND CORVANE_TS_FILES ${PROJECT_SOURCE_DIR}/translations/corvane_${language}.ts)
endforeach()
set_source_files_properties(${CORVANE_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CORVANE_PROGRAM_DIR}/translations)

add_custom_target(corvane_translations ALL)
qt_add_lrelease(corvane_translations TS_FILES ${CORVANE_TS_FILES} OPTIONS -silent
                QM_FILES_OUTPUT_VARIABLE CORVANE_QM_FILES)

add_custom_target(corvane_lupdate
  COMMAND Qt6::lupdate -silent -locations none -no-obsolete -extensions cpp,h
          ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tools -ts ${CORVANE_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Refreshing the translation catalogues from src/ and tools/"
  VERBATIM)
