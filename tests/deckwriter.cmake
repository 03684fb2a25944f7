lectavo_test(deckwriter_tests SOURCES deckwriter_test.cpp
    LIBS lectavo::deckwriter lectavo::engine lectavo::convert pugixml::pugixml)
