#pragma once

// The fixed data of fishing: where the good spot goes, the nine kinds of
// fish, and where the two lake clips play on the 600 x 450 lake picture.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// The good spot's positions in picture coordinates, visited in index order
// 1, 2, ..., 6, 0, 1, ...
constexpr std::array<QPoint, 7> HotspotTable{
    {{4, 346}, {510, 201}, {220, 346}, {39, 186}, {485, 286}, {204, 187}, {356, 188}}};
// The good spot's size: a click anywhere inside it is a cast on it.
constexpr QSize HotspotSize{80, 50};

struct FishKind {
    const char* nameText; // appended to the weight: "2 lb 5 oz" + " bluegill"
    const char* picture;  // JPEG resource of the caught-fish picture, 450 x 300
};
constexpr std::array<FishKind, 9> FishKinds{{
    {QT_TRANSLATE_NOOP("Fish", " bluegill"), "fa"},
    {QT_TRANSLATE_NOOP("Fish", " white bass"), "fb"},
    {QT_TRANSLATE_NOOP("Fish", " smallmouth bass"), "fc"},
    {QT_TRANSLATE_NOOP("Fish", " blue catfish"), "fd"},
    {QT_TRANSLATE_NOOP("Fish", " rainbow trout"), "fe"},
    {QT_TRANSLATE_NOOP("Fish", " brown trout"), "ff"},
    {QT_TRANSLATE_NOOP("Fish", " largemouth bass"), "fg"},
    {QT_TRANSLATE_NOOP("Fish", " brook trout"), "fh"},
    {QT_TRANSLATE_NOOP("Fish", " brown bullhead"), "fi"},
}};

// The lake clips' rectangles in picture coordinates (left, top, width, height).
constexpr QRect LakeClip1Rect{4, 346, 156, 101};
constexpr QRect LakeClip2Rect{2, 1, 231, 88};
