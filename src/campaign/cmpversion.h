#pragma once

#include <cstdint>
#include <tuple>

// A mod version: major, minor, patch, compared lexicographically (major first).
struct CmpVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t patch = 0;
};

inline bool operator==(const CmpVersion &a, const CmpVersion &b) {
    return a.major == b.major && a.minor == b.minor && a.patch == b.patch;
}
inline bool operator!=(const CmpVersion &a, const CmpVersion &b) {
    return !(a == b);
}
inline bool operator<(const CmpVersion &a, const CmpVersion &b) {
    return std::tie(a.major, a.minor, a.patch) < std::tie(b.major, b.minor, b.patch);
}
inline bool operator>(const CmpVersion &a, const CmpVersion &b) {
    return b < a;
}
inline bool operator<=(const CmpVersion &a, const CmpVersion &b) {
    return !(b < a);
}
inline bool operator>=(const CmpVersion &a, const CmpVersion &b) {
    return !(a < b);
}
