if(LECTAVO_BUILD_GUI)
    lectavo_test(app_tests QT
        SOURCES form1_test.cpp form2_test.cpp list_input_test.cpp form_convert_test.cpp
        LIBS lectavo::app lectavo::builtin
        TZ Europe/Berlin)
    # The program's own application object, so exceptions escaping handlers are caught as in the program.
    target_compile_definitions(app_tests PRIVATE LECTAVO_TEST_APPLICATION)
endif()
if(TARGET app_tests)
    add_dependencies(app_tests lectavo)  # Help's guide is copied beside the executables with it
endif()

# The desktop entry that "Open with" and the application menus read.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/resources/lectavo.desktop)
endif()
