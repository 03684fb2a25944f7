if(LECTAVO_BUILD_GUI)
    lectavo_test(chrome_tests QT
        SOURCES my_img_btn_test.cpp window_frame_test.cpp list_painting_test.cpp artwork_test.cpp
        LIBS lectavo::chrome lectavo::resources)
    lectavo_test(main_window_chrome_tests QT
        SOURCES main_window_chrome_test.cpp
        LIBS lectavo::app)
    set_target_properties(main_window_chrome_tests PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_SOURCE_DIR}/resources)
endif()
