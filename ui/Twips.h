#pragma once

#include <QRect>

// The window's design is measured in twips; at 96 dots per inch a logical
// pixel is 15 of them.
constexpr int twips(int value) {
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
