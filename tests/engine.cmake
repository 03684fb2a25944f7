lectavo_test(engine_corpus_tests SOURCES engine_corpus_test.cpp LIBS lectavo::builtin lectavo::engine)
