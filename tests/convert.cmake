lectavo_test(automation_tests SOURCES automation_test.cpp LIBS lectavo::convert)
