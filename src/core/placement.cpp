#include "core/placement.h"

#include <algorithm>
#include <limits>

namespace parcelo {
namespace {

// An empty window still has a corner that must be on a monitor.
bool overlaps(const TwipsRect& a, const TwipsRect& b) {
    const Twips aw = std::max<Twips>(a.width, 1), ah = std::max<Twips>(a.height, 1);
    return a.left < b.left + b.width && b.left < a.left + aw && a.top < b.top + b.height &&
           b.top < a.top + ah;
}

Twips gap(Twips start, Twips length, Twips areaStart, Twips areaLength) {
    if (start + length < areaStart) return areaStart - (start + length);
    if (start > areaStart + areaLength) return start - (areaStart + areaLength);
    return 0;
}

Twips clampInto(Twips start, Twips length, Twips areaStart, Twips areaLength) {
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

TwipsRect fitOntoMonitors(const TwipsRect& rect, const std::vector<TwipsRect>& workAreas) {
    if (workAreas.empty()) return rect;
    if (std::any_of(workAreas.begin(), workAreas.end(), [&](const TwipsRect& area) { return overlaps(rect, area); }))
        return rect;

    const TwipsRect* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const TwipsRect& area : workAreas) {
        const double dx = gap(rect.left, rect.width, area.left, area.width);
        const double dy = gap(rect.top, rect.height, area.top, area.height);
        const double distance = dx * dx + dy * dy;
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    TwipsRect moved = rect;
    moved.left = clampInto(rect.left, rect.width, nearest->left, nearest->width);
    moved.top = clampInto(rect.top, rect.height, nearest->top, nearest->height);
    return moved;
}

void applyPlacement(Form& form, const WindowPlacement& saved) {
    if (saved.state == static_cast<std::int32_t>(WindowState::Maximized)) {
        form.setState(WindowState::Maximized);
        return;
    }
    const TwipsRect wanted{saved.left, saved.top, saved.width, saved.height};
    form.moveOuter(fitOntoMonitors(wanted, form.monitorWorkAreas()));
}

WindowPlacement placementToSave(const Form& form) {
    const bool minimized = form.state() == WindowState::Minimized;
    const TwipsRect r = minimized ? form.restoredOuterRect() : form.outerRect();
    WindowState state = form.state();
    if (minimized) state = form.restoresMaximized() ? WindowState::Maximized : WindowState::Normal;
    return {r.width, r.height, r.top, r.left, static_cast<std::int32_t>(state)};
}

}  // namespace parcelo
