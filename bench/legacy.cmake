# A 1000-slide binary presentation walked by the legacy reader, against its OOXML twin.
lectavo_bench(legacy_bench
    SOURCES legacy_bench.cpp
    LIBS lectavo::engine PkgConfig::LIBZIP)
target_include_directories(legacy_bench PRIVATE ${CMAKE_SOURCE_DIR}/engine/src)
