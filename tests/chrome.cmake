if(LECTAVO_BUILD_GUI)
    lectavo_test(chrome_tests QT
        SOURCES my_img_btn_test.cpp window_frame_test.cpp list_painting_test.cpp
        LIBS lectavo::chrome lectavo_resources)
endif()
