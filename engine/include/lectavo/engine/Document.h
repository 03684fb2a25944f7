// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// What an opened presentation holds for the object model: slides in
// presentation order, each with its top-level shapes in z-order.
namespace lectavo::engine {

struct Shape {
    bool hasTextFrame = false;
    // The frame's text: paragraphs joined by U+000D, soft breaks U+000B; empty without a frame.
    std::u16string text;
};

struct Slide {
    std::vector<Shape> shapes;
};

struct Document {
    std::vector<Slide> slides;
};

}  // namespace lectavo::engine
