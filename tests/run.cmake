lectavo_test(run_tests
    SOURCES output_naming_test.cpp output_file_test.cpp run_conversion_test.cpp
    LIBS lectavo::convert)

lectavo_test(cli_tests SOURCES cli_test.cpp LIBS lectavo::cli)

# lectavo-convert over every row of the shared corpus, compared by the corpus's own tool.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME cli_corpus
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/cli_corpus_test.py
            $<TARGET_FILE:lectavo-convert> ${LECTAVO_CORPUS_DIR})
set_tests_properties(cli_corpus PROPERTIES TIMEOUT 600)
