#pragma once

#include <cmath>  // std::pow

namespace tintrel {

// The sRGB transfer function, over channel values from 0 to 1: what the colour models, the area average
// and colours read from other programs' files all share.

// An encoded sRGB value as linear light.
inline double SrgbToLinear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Linear light as an encoded sRGB value.
inline double LinearToSrgb(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

}  // namespace tintrel
