if(LECTAVO_BUILD_GUI)
    # A zone with daylight saving, so each stamp's own offset shows.
    lectavo_test(filelist_tests QT
        SOURCES entry_texts_test.cpp file_list_model_test.cpp entry_maker_test.cpp
        LIBS lectavo::filelist
        TZ Europe/Berlin)
endif()
