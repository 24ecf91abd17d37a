#include "color/css_color_names.h"

#include <array>
#include <cstdint>
#include <string>

namespace tintrel {

namespace {

constexpr std::size_t kNameCount = 148;

// The named colours of CSS Color 4 ("transparent" aside) in alphabetical order, so that of names that
// share a value the first listed wins; held as one text of NUL-ended names and a table of values
// (0xRRGGBB, as the names are usually written), which keeps the executable small.
constexpr char kNames[] =
    "aliceblue\0antiquewhite\0aqua\0aquamarine\0azure\0beige\0bisque\0black\0blanchedalmond\0blue\0blueviolet\0"
    "brown\0burlywood\0cadetblue\0chartreuse\0chocolate\0coral\0cornflowerblue\0cornsilk\0crimson\0cyan\0"
    "darkblue\0darkcyan\0darkgoldenrod\0darkgray\0darkgreen\0darkgrey\0darkkhaki\0darkmagenta\0darkolivegreen\0"
    "darkorange\0darkorchid\0darkred\0darksalmon\0darkseagreen\0darkslateblue\0darkslategray\0darkslategrey\0"
    "darkturquoise\0darkviolet\0deeppink\0deepskyblue\0dimgray\0dimgrey\0dodgerblue\0firebrick\0floralwhite\0"
    "forestgreen\0fuchsia\0gainsboro\0ghostwhite\0gold\0goldenrod\0gray\0green\0greenyellow\0grey\0honeydew\0"
    "hotpink\0indianred\0indigo\0ivory\0khaki\0lavender\0lavenderblush\0lawngreen\0lemonchiffon\0lightblue\0"
    "lightcoral\0lightcyan\0lightgoldenrodyellow\0lightgray\0lightgreen\0lightgrey\0lightpink\0lightsalmon\0"
    "lightseagreen\0lightskyblue\0lightslategray\0lightslategrey\0lightsteelblue\0lightyellow\0lime\0"
    "limegreen\0linen\0magenta\0maroon\0mediumaquamarine\0mediumblue\0mediumorchid\0mediumpurple\0"
    "mediumseagreen\0mediumslateblue\0mediumspringgreen\0mediumturquoise\0mediumvioletred\0midnightblue\0"
    "mintcream\0mistyrose\0moccasin\0navajowhite\0navy\0oldlace\0olive\0olivedrab\0orange\0orangered\0orchid\0"
    "palegoldenrod\0palegreen\0paleturquoise\0palevioletred\0papayawhip\0peachpuff\0peru\0pink\0plum\0"
    "powderblue\0purple\0rebeccapurple\0red\0rosybrown\0royalblue\0saddlebrown\0salmon\0sandybrown\0seagreen\0"
    "seashell\0sienna\0silver\0skyblue\0slateblue\0slategray\0slategrey\0snow\0springgreen\0steelblue\0tan\0"
    "teal\0thistle\0tomato\0turquoise\0violet\0wheat\0white\0whitesmoke\0yellow\0yellowgreen\0";
constexpr std::array<std::uint32_t, kNameCount> kValues = {
    0xF0F8FF, 0xFAEBD7, 0x00FFFF, 0x7FFFD4, 0xF0FFFF, 0xF5F5DC, 0xFFE4C4, 0x000000, 0xFFEBCD, 0x0000FF, 0x8A2BE2,
    0xA52A2A, 0xDEB887, 0x5F9EA0, 0x7FFF00, 0xD2691E, 0xFF7F50, 0x6495ED, 0xFFF8DC, 0xDC143C, 0x00FFFF, 0x00008B,
    0x008B8B, 0xB8860B, 0xA9A9A9, 0x006400, 0xA9A9A9, 0xBDB76B, 0x8B008B, 0x556B2F, 0xFF8C00, 0x9932CC, 0x8B0000,
    0xE9967A, 0x8FBC8F, 0x483D8B, 0x2F4F4F, 0x2F4F4F, 0x00CED1, 0x9400D3, 0xFF1493, 0x00BFFF, 0x696969, 0x696969,
    0x1E90FF, 0xB22222, 0xFFFAF0, 0x228B22, 0xFF00FF, 0xDCDCDC, 0xF8F8FF, 0xFFD700, 0xDAA520, 0x808080, 0x008000,
    0xADFF2F, 0x808080, 0xF0FFF0, 0xFF69B4, 0xCD5C5C, 0x4B0082, 0xFFFFF0, 0xF0E68C, 0xE6E6FA, 0xFFF0F5, 0x7CFC00,
    0xFFFACD, 0xADD8E6, 0xF08080, 0xE0FFFF, 0xFAFAD2, 0xD3D3D3, 0x90EE90, 0xD3D3D3, 0xFFB6C1, 0xFFA07A, 0x20B2AA,
    0x87CEFA, 0x778899, 0x778899, 0xB0C4DE, 0xFFFFE0, 0x00FF00, 0x32CD32, 0xFAF0E6, 0xFF00FF, 0x800000, 0x66CDAA,
    0x0000CD, 0xBA55D3, 0x9370DB, 0x3CB371, 0x7B68EE, 0x00FA9A, 0x48D1CC, 0xC71585, 0x191970, 0xF5FFFA, 0xFFE4E1,
    0xFFE4B5, 0xFFDEAD, 0x000080, 0xFDF5E6, 0x808000, 0x6B8E23, 0xFFA500, 0xFF4500, 0xDA70D6, 0xEEE8AA, 0x98FB98,
    0xAFEEEE, 0xDB7093, 0xFFEFD5, 0xFFDAB9, 0xCD853F, 0xFFC0CB, 0xDDA0DD, 0xB0E0E6, 0x800080, 0x663399, 0xFF0000,
    0xBC8F8F, 0x4169E1, 0x8B4513, 0xFA8072, 0xF4A460, 0x2E8B57, 0xFFF5EE, 0xA0522D, 0xC0C0C0, 0x87CEEB, 0x6A5ACD,
    0x708090, 0x708090, 0xFFFAFA, 0x00FF7F, 0x4682B4, 0xD2B48C, 0x008080, 0xD8BFD8, 0xFF6347, 0x40E0D0, 0xEE82EE,
    0xF5DEB3, 0xFFFFFF, 0xF5F5F5, 0xFFFF00, 0x9ACD32,
};

constexpr std::size_t NameCount() {
    std::size_t count = 0;
    for (const char c : kNames) {
        count += c == '\0' ? 1 : 0;
    }
    return count - 1;  // the text's own closing NUL
}
static_assert(NameCount() == kNameCount, "one name for each value");

Rgb8 ChannelsOf(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
            static_cast<std::uint8_t>(rgb & 0xFF)};
}

// The OKLab values of the named colours, worked out once.
const std::array<Components, kNameCount>& NamedOkLab() {
    static const std::array<Components, kNameCount> table = [] {
        std::array<Components, kNameCount> values{};
        for (std::size_t i = 0; i < kNameCount; ++i) {
            values[i] = OkLabOf(ChannelsOf(kValues[i]));
        }
        return values;
    }();
    return table;
}

std::size_t NearestIndex(Rgb8 color) {
    const std::uint32_t rgb = std::uint32_t{color.R} << 16 | std::uint32_t{color.G} << 8 | color.B;
    for (std::size_t i = 0; i < kNameCount; ++i) {
        if (kValues[i] == rgb) {
            return i;
        }
    }
    const Components lab = OkLabOf(color);
    const auto& table = NamedOkLab();
    std::size_t nearest = 0;
    double nearestDistance = -1;
    for (std::size_t i = 0; i < kNameCount; ++i) {
        const double dl = table[i][0] - lab[0];
        const double da = table[i][1] - lab[1];
        const double db = table[i][2] - lab[2];
        // Squared distances order the same as distances; strictly smaller keeps the first of a tie.
        const double distance = dl * dl + da * da + db * db;
        if (nearestDistance < 0 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

}  // namespace

std::string_view NearestCssColorName(Rgb8 color) {
    const char* name = kNames;
    for (std::size_t i = NearestIndex(color); i > 0; --i) {
        name += std::char_traits<char>::length(name) + 1;
    }
    return name;
}

}  // namespace tintrel
