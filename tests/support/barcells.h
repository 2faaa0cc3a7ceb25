#pragma once
// The bar cells' design places written out, cell by cell: left, top, width
// and height in twips at 15 twips a pixel, within the bar that holds the
// cell. The tests compare the window's cells and the tables the window lays
// them out from with these values, never with the tables themselves.

#include <QList>
#include <QRectF>

namespace ts {

struct BarCell
{
    int cell;
    QRectF at;
};

inline QList<BarCell> barCells()
{
    struct Row
    {
        int cell, left, width;
    };
    QList<BarCell> cells;
    const auto row = [&cells](std::initializer_list<Row> rows, double top) {
        for (const Row &r : rows)
            cells.append({r.cell, QRectF(r.left, top, r.width, 330)});
    };
    // Menu bar: 1-11, 870 twips apart from 150.
    for (int i = 1; i <= 11; ++i)
        cells.append({i, QRectF(150 + 870 * (i - 1), 15, 870, 270)});
    // Drawing toolbar: 12-31.
    row({{12, 1020, 345}, {14, 2685, 345}, {15, 3030, 345}, {16, 3375, 345}, {17, 3720, 345},
         {18, 4065, 345}, {19, 4410, 345}, {20, 4755, 345}, {21, 5100, 345}, {22, 5445, 345},
         {23, 5790, 345}, {24, 6225, 510}, {25, 6735, 510}, {26, 7245, 510}, {27, 7755, 345},
         {28, 8100, 345}, {29, 8445, 345}, {30, 8790, 345}, {31, 9135, 345}},
        30);
    cells.append({13, QRectF(1455, 60, 1230, 270)});
    // Standard row: 41-69.
    row({{41, 150, 345},  {42, 495, 180},  {43, 660, 345},  {44, 1005, 180}, {45, 1170, 345}, {46, 1515, 345},
         {47, 1860, 345}, {48, 2295, 345}, {49, 2640, 180}, {50, 2895, 345}, {51, 3240, 345}, {52, 3585, 180},
         {53, 3750, 345}, {54, 4185, 345}, {55, 4530, 345}, {56, 4875, 345}, {57, 5220, 345}, {58, 5655, 510},
         {59, 6165, 510}, {60, 6765, 345}, {61, 7110, 345}, {62, 7455, 345}, {63, 7800, 345}, {64, 8145, 345},
         {65, 8580, 345}, {66, 9015, 345}, {67, 9360, 345}, {68, 9795, 345}},
        15);
    row({{69, 10230, 1320}}, 45);
    // Formatting row: 70-88; its three boxes 15 twips lower.
    row({{70, 150, 1440}, {71, 1590, 2700}, {72, 4290, 1185}}, 420);
    row({{73, 5565, 345}, {74, 5910, 345}, {75, 6255, 345}, {76, 6690, 345}, {77, 7035, 345},
         {78, 7380, 345}, {79, 7725, 345}, {80, 8160, 345}, {81, 8505, 345}, {82, 8940, 345},
         {83, 9285, 345}, {84, 9630, 345}, {85, 9975, 345}, {86, 10410, 510}, {87, 10920, 510},
         // 88 has no button; it stands after 87.
         {88, 11430, 345}},
        405);
    return cells;
}

} // namespace ts
