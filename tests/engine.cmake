lectavo_test(engine_corpus_tests SOURCES engine_corpus_test.cpp LIBS lectavo::builtin lectavo::engine)
lectavo_test(engine_reader_tests SOURCES engine_reader_test.cpp
    LIBS lectavo::engine lectavo::deckwriter lectavo::convert)
# The reader's tests reach its internals: bounds and the legacy hand-over.
target_include_directories(engine_reader_tests PRIVATE ${CMAKE_SOURCE_DIR}/engine/src)
lectavo_test(engine_binding_tests SOURCES engine_binding_test.cpp
    LIBS lectavo::builtin lectavo::engine lectavo::deckwriter lectavo::convert)

if(LECTAVO_BUILD_FUZZ)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        add_subdirectory(fuzz)
    else()
        message(WARNING "LECTAVO_BUILD_FUZZ needs clang (CC=clang CXX=clang++); no fuzz targets built")
    endif()
endif()
