// The palette and the common parts of the tool pictures (page, folder,
// floppy disk, controller, chip, signs), so that every picture is built from
// the same pieces in the same colours. Coordinates are cells of the 16 x 16
// grid of ToolSketch.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

#include "editor/qt/ToolSketch.h"

namespace vx::pictures {

// Each colour family has a fill, a darker outline and a light tint. Blue is
// the main program and files, green what runs or is on, red what removes or
// forces, amber folders, purple the C language, yellow comments.
inline constexpr QColor kInk(0x37, 0x42, 0x4E);
inline constexpr QColor kPaper(0xFF, 0xFF, 0xFF);
inline constexpr QColor kPaperEdge(0x76, 0x82, 0x90);
inline constexpr QColor kTextLine(0xA4, 0xB0, 0xBD);
inline constexpr QColor kGrey(0x9A, 0xA6, 0xB2);
inline constexpr QColor kGreyDark(0x55, 0x61, 0x6D);
inline constexpr QColor kGreyLight(0xDC, 0xE2, 0xE8);
inline constexpr QColor kBlue(0x2F, 0x6F, 0xC4);
inline constexpr QColor kBlueDark(0x1C, 0x4B, 0x8C);
inline constexpr QColor kBlueLight(0xCC, 0xE0, 0xF8);
inline constexpr QColor kGreen(0x2E, 0x9C, 0x4A);
inline constexpr QColor kGreenDark(0x1C, 0x6A, 0x31);
inline constexpr QColor kGreenLight(0xCB, 0xEC, 0xD3);
inline constexpr QColor kRed(0xD4, 0x43, 0x3B);
inline constexpr QColor kRedDark(0x93, 0x27, 0x21);
inline constexpr QColor kRedLight(0xF8, 0xD3, 0xD0);
inline constexpr QColor kAmber(0xF3, 0xC0, 0x4F);
inline constexpr QColor kAmberDark(0xA8, 0x73, 0x14);
inline constexpr QColor kAmberBack(0xDB, 0xA1, 0x36);
inline constexpr QColor kPurple(0x7B, 0x52, 0xC1);
inline constexpr QColor kPurpleDark(0x4E, 0x2F, 0x8A);
inline constexpr QColor kPurpleLight(0xE4, 0xDA, 0xF6);
inline constexpr QColor kYellow(0xFF, 0xE3, 0x7A);
inline constexpr QColor kYellowDark(0xB8, 0x8E, 0x17);
inline constexpr QColor kBrown(0xB5, 0x7A, 0x3C);
inline constexpr QColor kBrownDark(0x7A, 0x4B, 0x1C);
inline constexpr QColor kScreen(0x2C, 0x34, 0x3C);
inline constexpr QColor kNone;  // leaves a fill or an outline out

// A path through the given cells' centres.
QPainterPath Poly(std::initializer_list<QPointF> cells, bool closed = true);
// A path through the given points as they are (edges, or centres given with .5).
QPainterPath Points(std::initializer_list<QPointF> points, bool closed = true);
// A circle or ellipse around a centre.
QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
// A rectangle with rounded corners through the centres of its border cells.
QPainterPath RoundRect(int left, int top, int right, int bottom, qreal radius);

// A sheet of paper over the cells left..right, top..bottom with its top
// right corner folded `ear` cells.
void Page(ToolSketch& k, int left, int top, int right, int bottom, int ear = 3,
          const QColor& fill = kPaper);
// Lines of text on a page: rows from `top`, every `step` cells.
void TextLines(ToolSketch& k, int left, int right, int top, int count, int step = 2,
               const QColor& color = kTextLine);
// A closed folder (or its back half only, for an open one).
void Folder(ToolSketch& k, bool backOnly = false);
// The ladder sign: two rails, a rung with a contact, a second rung.
void LadderSign(ToolSketch& k, int left, int top, int right, int bottom, const QColor& color);
// A floppy disk over the cells left..left+size-1, top..top+size-1.
void Floppy(ToolSketch& k, int left, int top, int size);
// The controller: a module with its terminal rows and a run lamp.
void Controller(ToolSketch& k, int top);
// A chip with pins on two sides.
void Chip(ToolSketch& k, int left, int top, int right, int bottom);
// A pencil from its point (bottom left) up to the right, `length` cells;
// with `halo` it clears a ring around itself first (as a sign over a picture).
void Pencil(ToolSketch& k, qreal tipX, qreal tipY, qreal length, bool halo = false);
// A magnifying glass: the glass around a centre and the handle to the lower
// right.
void Magnifier(ToolSketch& k, qreal cx, qreal cy, qreal radius, qreal handle);
// An arrow along an axis: the shaft from (x1, y1) to the point (x2, y2),
// `width` cells wide, the head `head` cells long and wide.
void Arrow(ToolSketch& k, qreal x1, qreal y1, qreal x2, qreal y2, qreal width, qreal head,
           const QColor& color, bool halo = false);
// A plus or minus sign centred in a square of `size` cells, its bars `bar` thick.
void Plus(ToolSketch& k, int left, int top, int size, int bar, const QColor& color,
          bool halo = false);
void Minus(ToolSketch& k, int left, int top, int size, int bar, const QColor& color,
           bool halo = false);
// A cog wheel.
void Gear(ToolSketch& k, qreal cx, qreal cy, qreal outer, qreal inner, int teeth, qreal hole,
          const QColor& fill, const QColor& outline);
// A round badge (circle with outline) around a centre.
void Badge(ToolSketch& k, qreal cx, qreal cy, qreal radius, const QColor& fill,
           const QColor& outline, bool halo = false);

// A picture of the set and the function that draws it.
struct PictureDrawing {
    int index;
    void (*draw)(ToolSketch&);
};

}  // namespace vx::pictures
