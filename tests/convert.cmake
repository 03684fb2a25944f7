lectavo_test(automation_tests SOURCES automation_test.cpp text_encoding_test.cpp LIBS lectavo::convert)
