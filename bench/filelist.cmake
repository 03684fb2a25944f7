if(LECTAVO_BUILD_GUI)
    lectavo_bench(filelist_bench SOURCES filelist_bench.cpp LIBS lectavo::filelist)
endif()
