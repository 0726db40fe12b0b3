#pragma once

namespace qvl::sim {

// A point or direction in a model's coordinates (millimetres).
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;

    friend Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator-(const Vec3& a) { return {-a.x, -a.y, -a.z}; }
    friend Vec3 operator*(double s, const Vec3& a) { return {s * a.x, s * a.y, s * a.z}; }
    friend bool operator==(const Vec3&, const Vec3&) = default;
};

inline double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// An axis-aligned box of solid material: the geometry that views of a model project.
struct Box {
    Vec3 min;
    Vec3 max;

    Box translated(const Vec3& by) const { return {min + by, max + by}; }
    friend bool operator==(const Box&, const Box&) = default;
};

}  // namespace qvl::sim
