#include "model/MapGeometry.h"

#include "model/Vehicle.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr int MaxIconsPerLocation = 10;
constexpr int AddOnPlaces = 3;

// The nose and tail rows: five icons across, a second row of up to five behind.
const std::initializer_list<int> NoseRows[MaxIconsPerLocation] = {
    {20},
    {16, 24},
    {13, 20, 27},
    {12, 17, 23, 28},
    {10, 15, 20, 25, 30},
    {10, 15, 20, 25, 30, 20},
    {10, 15, 20, 25, 30, 15, 25},
    {10, 15, 20, 25, 30, 12, 20, 28},
    {10, 15, 20, 25, 30, 12, 17, 23, 28},
    {10, 15, 20, 25, 30, 12, 16, 20, 24, 28},
};

// Down the flank, centred on the middle of the car.
const std::initializer_list<int> FlankColumns[MaxIconsPerLocation] = {
    {45},
    {41, 49},
    {38, 45, 52},
    {37, 42, 48, 53},
    {35, 40, 45, 50, 55},
    {30, 35, 40, 45, 50, 55},
    {30, 35, 40, 45, 50, 55, 60},
    {25, 30, 35, 40, 45, 50, 55, 60},
    {25, 30, 35, 40, 45, 50, 55, 60, 65},
    {25, 30, 35, 40, 45, 50, 55, 60, 65, 70},
};

// Inside a side pod: up to three icons side by side.
const std::initializer_list<int> LeftPodRows[AddOnPlaces] = {{0}, {-2, 2}, {-4, 0, 4}};
const std::initializer_list<int> RightPodRows[AddOnPlaces] = {{41}, {39, 43}, {37, 41, 45}};
constexpr int PodY = 52;

const std::initializer_list<int> TurretRows[AddOnPlaces] = {{20}, {17, 23}, {15, 20, 25}};
const std::initializer_list<int> TopPodRows[AddOnPlaces] = {{20}, {17, 23}, {14, 20, 26}};
constexpr int TurretY = 50;
constexpr int TopPodY = 57;

constexpr int LeftColumnX = 7;
constexpr int RightColumnX = 35;

QVector<int> Row(const std::initializer_list<int>& values)
{
    return QVector<int>(values);
}

// A turret, top pod or rocket platform has three places; further weapons
// take them again in turn, so that every weapon has an icon place.
void AddOnSlots(const std::initializer_list<int> (&rows)[AddOnPlaces], int fixedY, int n, QVector<int>& varying,
                QVector<int>& fixed)
{
    varying.clear();
    if (n > 0) {
        const QVector<int> row = Row(rows[std::min(n, AddOnPlaces) - 1]);
        for (int i = 0; i < n; ++i)
            varying.append(row[i % row.size()]);
    }
    fixed = QVector<int>(std::max(n, AddOnPlaces), fixedY);
}

double Sign(double value)
{
    return value <= 0 ? -1.0 : 1.0;
}

} // namespace

void GetWeaponSlots(const TVehicle& vehicle, const QString& location, int count, QVector<int>& xs, QVector<int>& ys)
{
    const int n = std::min(count, MaxIconsPerLocation);
    const auto pick = [n](const std::initializer_list<int> (&rows)[MaxIconsPerLocation]) {
        return n > 0 ? Row(rows[n - 1]) : QVector<int>();
    };

    if (location == QLatin1String("front") || location == QLatin1String("back")) {
        const bool back = location == QLatin1String("back");
        xs = pick(NoseRows);
        // The tail row of five to eight icons stands one pixel further right.
        if (back && n >= 5 && n <= 8)
            xs[3] = 26;
        ys = QVector<int>(MaxIconsPerLocation / 2, back ? 89 : 0) + QVector<int>(MaxIconsPerLocation / 2, back ? 79 : 10);
    } else if (location == QLatin1String("left") || location == QLatin1String("right")) {
        const bool left = location == QLatin1String("left");
        const int column = left ? LeftColumnX : RightColumnX;
        xs = QVector<int>(MaxIconsPerLocation, column);
        if (HasNoSideEWP(vehicle)) {
            ys = pick(FlankColumns);
        } else {
            // In the pod: three places; further weapons keep to the plain column.
            ys = QVector<int>(std::max(n, 0), 0);
            for (int i = 0; i < std::min(n, AddOnPlaces); ++i)
                ys[i] = PodY;
            if (n > 0) {
                const QVector<int> row = Row((left ? LeftPodRows : RightPodRows)[std::min(n, AddOnPlaces) - 1]);
                std::copy(row.cbegin(), row.cend(), xs.begin());
            }
        }
    } else if (location == QLatin1String("turret")) {
        AddOnSlots(TurretRows, TurretY, n, xs, ys);
    } else {
        AddOnSlots(TopPodRows, TopPodY, n, xs, ys);
    }
}

void NormalizeDirection(int x1, int y1, int x2, int y2, double& dx, double& dy, bool bound)
{
    dx = double(x2) - x1;
    dy = double(y2) - y1;
    if (dx == 0)
        dy = Sign(dy);
    if (dy == 0)
        dx = Sign(dx);
    if (dx != 0 && dy != 0) {
        if (std::fabs(dx) <= std::fabs(dy)) {
            dy = dy / std::fabs(dx);
            dx = Sign(dx);
        } else {
            dx = dx / std::fabs(dy);
            dy = Sign(dy);
        }
    }
    if (bound) {
        if (std::fabs(dx) > 1) {
            dy = Sign(dy) / std::fabs(dx);
            dx = Sign(dx);
        }
        if (std::fabs(dy) > 1) {
            dx = Sign(dx) / std::fabs(dy);
            dy = Sign(dy);
        }
    }
}

int DirectionSector(int x1, int y1, int x2, int y2)
{
    double dx = 0;
    double dy = 0;
    NormalizeDirection(x1, y1, x2, y2, dx, dy, false);
    // Straight along the centre line the point lies ahead or behind; the
    // start point itself counts as ahead, as its direction is (0, -1).
    if (dx == 0)
        return dy > 0 ? 3 : 0;
    const bool flat = dy >= -2 && dy <= 2;
    const bool steep = dx >= -1 && dx <= 1;
    if (dx >= 0 && flat)
        return 2;
    if (dx <= 0 && flat)
        return 1;
    if (dy >= 0 && steep)
        return 3;
    return 0;
}

int FireSectorIndex(int index)
{
    static constexpr int Renumbered[] = {3, 2, 1, 0, 9, 9, 6, 8, 7};
    if (index < 0 || index > 8)
        return 9;
    return Renumbered[index];
}

bool HasNoSideEWP(const TVehicle& vehicle)
{
    return !vehicle.HasSidePods();
}
