lectavo_test(run_tests
    SOURCES output_naming_test.cpp output_file_test.cpp run_conversion_test.cpp
    LIBS lectavo::convert)

lectavo_test(cli_tests SOURCES cli_test.cpp LIBS lectavo::cli)

# lectavo-convert over the shared corpus; legacy rows join once the legacy reader reads them.
option(LECTAVO_CLI_CORPUS_ALL_ROWS "Convert and compare every corpus row, legacy files included" OFF)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME cli_corpus
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/cli_corpus_test.py
            $<TARGET_FILE:lectavo-convert> ${LECTAVO_CORPUS_DIR} $<$<BOOL:${LECTAVO_CLI_CORPUS_ALL_ROWS}>:--all-rows>)
set_tests_properties(cli_corpus PROPERTIES TIMEOUT 600)
