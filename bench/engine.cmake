lectavo_bench(engine_bench SOURCES engine_bench.cpp
    LIBS lectavo::builtin lectavo::convert lectavo::deckwriter pugixml::pugixml PkgConfig::LIBZIP)
