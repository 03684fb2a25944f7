lectavo_test(run_tests
    SOURCES output_naming_test.cpp output_file_test.cpp run_conversion_test.cpp
    LIBS lectavo::convert)
