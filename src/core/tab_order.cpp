#include "core/tab_order.h"

#include <algorithm>
#include <vector>

namespace parcelo {

std::string_view nextInTabOrder(std::span<const ControlDesign> controls, std::string_view current,
                                bool forward, const std::function<bool(const ControlDesign&)>& canFocus) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& c : controls) order.push_back(&c);
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    if (order.empty()) return {};

    const auto found = std::find_if(order.begin(), order.end(), [&](auto* c) { return c->name == current; });
    const long count = static_cast<long>(order.size());
    // From an unknown control, Tab starts at the first and Shift+Tab at the last.
    long index = found == order.end() ? (forward ? -1 : count) : found - order.begin();
    for (long step = 0; step < count; ++step) {
        index = ((forward ? index + 1 : index - 1) % count + count) % count;
        if (canFocus(*order[index])) return order[index]->name;
    }
    return {};
}

}  // namespace parcelo
