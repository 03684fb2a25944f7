lectavo_bench(run_bench
    SOURCES run_bench.cpp
    LIBS lectavo::builtin lectavo::deckwriter
    ARGS $<TARGET_FILE:lectavo-convert> 7)
add_dependencies(run_bench lectavo-convert)
