# The legacy binary presentation reader: compound files, records, corpus conformance.
lectavo_test(legacy_tests
    SOURCES legacy_compound_file_test.cpp legacy_corpus_test.cpp legacy_reader_test.cpp
    LIBS lectavo::engine lectavo::convert)
target_include_directories(legacy_tests PRIVATE ${CMAKE_SOURCE_DIR}/engine/src)

if(LECTAVO_BUILD_FUZZ)
    include(${CMAKE_CURRENT_LIST_DIR}/fuzz/legacy.cmake)
endif()
