#pragma once

#include "sfml_test_compat.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <ostream>

// Let GoogleTest show SFML values in failure messages instead of raw bytes.
namespace sf {

inline void PrintTo(const Vector2f& v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ")";
}

inline void PrintTo(const Vector2i& v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ")";
}

inline void PrintTo(const Vector2u& v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ")";
}

inline void PrintTo(const Color& c, std::ostream* os) {
    *os << "rgba(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

inline void PrintTo(const FloatRect& r, std::ostream* os) {
    const Vector2f at = sfcompat::rectPosition(r);
    const Vector2f size = sfcompat::rectSize(r);
    *os << "[" << at.x << ", " << at.y << " | " << size.x << " x " << size.y << "]";
}

} // namespace sf
