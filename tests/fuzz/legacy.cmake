# libFuzzer target for the compound file and binary presentation readers.
# The reader's sources are compiled into it so that they carry the fuzzer's
# coverage instrumentation. Configure a clang build with
# -DLECTAVO_BUILD_FUZZ=ON, then: legacy_fuzz -max_len=20000 CORPUS_DIR SEED_DIR
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(WARNING "legacy_fuzz needs clang; skipped")
    return()
endif()
set(legacy_dir ${CMAKE_SOURCE_DIR}/engine/src/legacy)
add_executable(legacy_fuzz
    ${CMAKE_CURRENT_LIST_DIR}/legacy_fuzz.cpp
    ${legacy_dir}/CompoundFile.cpp
    ${legacy_dir}/LegacyReader.cpp
    ${legacy_dir}/Record.cpp
    ${legacy_dir}/StoredText.cpp
    ${CMAKE_SOURCE_DIR}/engine/src/OpenError.cpp)
target_include_directories(legacy_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/engine/src ${CMAKE_SOURCE_DIR}/engine/include)
target_compile_options(legacy_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
target_link_options(legacy_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
