#include "widgets/WgGrafxGradient.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vx {
namespace {

using enum TGradientDirection;

constexpr int kStrip = 8;

// Runs of equal colour: [begin, end) position ranges with their colour.
struct Run {
    int begin;
    int end;
    TColor color;
};
std::vector<Run> RunsOf(const std::vector<TColor>& colors) {
    std::vector<Run> runs;
    for (int i = 0; i < static_cast<int>(colors.size()); ++i) {
        if (runs.empty() || runs.back().color != colors[i])
            runs.push_back({i, i + 1, colors[i]});
        else
            runs.back().end = i + 1;
    }
    return runs;
}

// Bands stacked along one axis from `from`, `count` positions long, in a
// strip `across` pixels thick; vertical bands when `alongX`.
void AddLinear(TGradientPlan& plan, int from, int count, int across, bool alongX, TColor start,
               TColor stop, int smooth) {
    for (const Run& run : RunsOf(GradientBandColors(count, start, stop, smooth))) {
        const int a = from + run.begin, b = from + run.end;
        const TRect r = alongX ? TRect{a, 0, b, across} : TRect{0, a, across, b};
        plan.fills.push_back({run.color, r, {}});
    }
}

void PlanLinear(TGradientPlan& plan, TGradientDirection d, int smooth, TColor start, TColor stop) {
    const bool alongX = d == gdVerticalEnd || d == gdVerticalCenter;
    const bool center = d == gdHorizontalCenter || d == gdVerticalCenter;
    const int length = alongX ? plan.width : plan.height;
    const int across = std::min(kStrip, alongX ? plan.height : plan.width);
    if (center) {
        // Start colour at both edges, the stop colour in the middle.
        const int half = length / 2;
        AddLinear(plan, 0, half, across, alongX, start, stop, smooth);
        AddLinear(plan, half, length - half, across, alongX, stop, start, smooth);
    } else {
        AddLinear(plan, 0, length, across, alongX, start, stop, smooth);
    }
    plan.painted = alongX ? TRect{0, 0, plan.width, across} : TRect{0, 0, across, plan.height};
    plan.completion =
        alongX ? TGradientCompletion::kReplicateDown : TGradientCompletion::kReplicateAcross;
}

void PlanBox(TGradientPlan& plan, TGradientDirection d, int smooth, TColor start, TColor stop) {
    const int w = plan.width, h = plan.height;
    if (w < 5 || h < 5 || start == stop) {
        plan.fills.push_back({start, {0, 0, w, h}, {}});
        return;
    }
    int rx = (w - 1) / 2, ry = (h - 1) / 2;
    if (d == gdHorizontalBox || d == gdBigSquareBox) rx -= w / 4;
    if (d == gdVerticalBox || d == gdBigSquareBox) ry -= h / 4;
    if (d == gdHorizontalBox || d == gdSquareBox) plan.fills.push_back({start, {0, 0, w, h}, {}});
    // The quarter holds the middle row and column, so odd sizes mirror whole.
    const int qw = (w + 1) / 2, qh = (h + 1) / 2;
    const int steps = std::max(rx, ry) + 1;
    const std::vector<TColor> colors = GradientBandColors(steps, start, stop, smooth);
    for (const Run& run : RunsOf(colors)) {
        // The rectangle's half extents shrink in step with the colour.
        const int i = run.begin;
        const int ox = i * rx / (steps - 1), oy = i * ry / (steps - 1);
        plan.fills.push_back({run.color, {ox, oy, qw, qh}, {}});
    }
    plan.painted = {0, 0, qw, qh};
    plan.completion = TGradientCompletion::kMirrorQuadrant;
}

void PlanDiagonal(TGradientPlan& plan, TGradientDirection d, int smooth, TColor start,
                  TColor stop) {
    const int w = plan.width, h = plan.height;
    if (start == stop) {
        plan.fills.push_back({start, {0, 0, w, h}, {}});
        return;
    }
    const double diag = std::sqrt(double(w) * w + double(h) * h);
    const int positions = static_cast<int>(std::lround(diag)) + 1;
    // Bands across the diagonal from the top-left corner (gdDiagonalUp) or
    // the top-right corner (gdDiagonalDown), one position per pixel of it.
    const double dx = w / diag, dy = h / diag;
    const double reach = diag + 2;
    const std::vector<Run> runs = RunsOf(GradientBandColors(positions, start, stop, smooth));
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const double a = k == 0 ? -2 : runs[k].begin;
        const double b = k + 1 == runs.size() ? positions + 2 : runs[k].end + 1;
        auto at = [&](double t, double side) {
            const double x = t * dx - side * dy, y = t * dy + side * dx;
            const int ix = static_cast<int>(std::lround(x));
            return TPoint{d == gdDiagonalDown ? w - ix : ix, static_cast<int>(std::lround(y))};
        };
        plan.fills.push_back(
            {runs[k].color, {}, {at(a, reach), at(a, -reach), at(b, -reach), at(b, reach)}});
    }
}

}  // namespace

int SmoothBandLength(int smoothFactor) {
    int n = smoothFactor;
    if (n > 8) n = 255 / n + 1;
    return std::max(0, n - 1);
}

std::vector<TColor> GradientBandColors(int positions, TColor start, TColor stop, int smoothFactor) {
    std::vector<TColor> out;
    if (positions <= 0) return out;
    const TColor a = ColorToRGB(start), b = ColorToRGB(stop);
    const int from[3] = {RedOf(a), GreenOf(a), BlueOf(a)};
    const int to[3] = {RedOf(b), GreenOf(b), BlueOf(b)};
    int step[3];
    for (int c = 0; c < 3; ++c)
        step[c] = (to[c] - from[c]) * 65536 / (positions + 1);
    auto colorAt = [&](int i) {
        int v[3];
        for (int c = 0; c < 3; ++c)
            v[c] = (from[c] * 65536 + i * step[c]) >> 16;
        return RGBColor(v[0], v[1], v[2]);
    };
    const int hold = SmoothBandLength(smoothFactor);
    TColor band = colorAt(0);
    int covered = -1;  // pixels covered since the colour changed, -1 while it has not
    out.reserve(static_cast<std::size_t>(positions));
    for (int i = 0; i < positions; ++i) {
        const TColor now = colorAt(i);
        if (now != band) {
            if (covered < 0) covered = 0;
            if (covered >= hold) {
                band = now;
                covered = -1;
            } else {
                ++covered;
            }
        }
        out.push_back(band);
    }
    return out;
}

TGradientPlan PlanTwoColorGradient(int width, int height, TGradientDirection direction,
                                   int smoothFactor, TColor start, TColor stop) {
    TGradientPlan plan;
    plan.width = std::abs(width);
    plan.height = std::abs(height);
    if (plan.width == 0 || plan.height == 0) return plan;
    start = ColorToRGB(start);
    stop = ColorToRGB(stop);
    switch (direction) {
        case gdHorizontalEnd:
        case gdHorizontalCenter:
        case gdVerticalEnd:
        case gdVerticalCenter:
            PlanLinear(plan, direction, smoothFactor, start, stop);
            break;
        case gdHorizontalBox:
        case gdVerticalBox:
        case gdSquareBox:
        case gdBigSquareBox:
            PlanBox(plan, direction, smoothFactor, start, stop);
            break;
        case gdDiagonalUp:
        case gdDiagonalDown:
            PlanDiagonal(plan, direction, smoothFactor, start, stop);
            break;
    }
    return plan;
}

}  // namespace vx
