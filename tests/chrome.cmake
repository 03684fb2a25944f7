find_package(Qt6 QUIET COMPONENTS Test)
if(LECTAVO_BUILD_GUI AND TARGET Qt6::Test)
    lectavo_test(chrome_tests
        SOURCES my_img_btn_test.cpp
        LIBS lectavo::chrome Qt6::Test)
endif()
