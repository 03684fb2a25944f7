lectavo_test(engine_corpus_tests SOURCES engine_corpus_test.cpp LIBS lectavo::builtin lectavo::engine)
lectavo_test(engine_reader_tests SOURCES engine_reader_test.cpp
    LIBS lectavo::engine lectavo::deckwriter lectavo::convert)
# The reader's tests reach its internals: bounds and the legacy hand-over.
target_include_directories(engine_reader_tests PRIVATE ${CMAKE_SOURCE_DIR}/engine/src)
lectavo_test(engine_binding_tests SOURCES engine_binding_test.cpp
    LIBS lectavo::builtin lectavo::engine lectavo::deckwriter lectavo::convert)
