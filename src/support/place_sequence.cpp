#include "place_sequence.h"

#include <cstddef>

namespace {

std::size_t At(int node)
{
    return static_cast<std::size_t>(node);
}

} // namespace

TPlaceSequence::TPlaceSequence(int Count)
{
    const std::size_t n = Count > 0 ? static_cast<std::size_t>(Count) : 0;
    left_.assign(n, -1);
    right_.assign(n, -1);
    size_.assign(n, 1);
    weight_.resize(n);
    std::uint32_t state = 2463534242u; // xorshift32: any fixed seed balances equally well
    for (std::uint32_t& w : weight_) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        w = state;
    }
    // The entries in their starting order: each new node goes in at the right end, below the last
    // node on the right spine whose weight is higher (a stack of that spine).
    std::vector<int> spine;
    for (int node = 0; node < Count; ++node) {
        int last = -1;
        while (!spine.empty() && weight_[At(spine.back())] < weight_[At(node)]) {
            last = spine.back();
            spine.pop_back();
            Update(last);
        }
        left_[At(node)] = last;
        if (!spine.empty())
            right_[At(spine.back())] = node;
        spine.push_back(node);
    }
    while (!spine.empty()) {
        Update(spine.back());
        root_ = spine.back();
        spine.pop_back();
    }
}

void TPlaceSequence::Update(int node)
{
    size_[At(node)] = 1 + Size(left_[At(node)]) + Size(right_[At(node)]);
}

void TPlaceSequence::Split(int tree, int Count, int& first, int& rest)
{
    if (tree < 0) {
        first = rest = -1;
        return;
    }
    if (Size(left_[At(tree)]) < Count) {
        Split(right_[At(tree)], Count - Size(left_[At(tree)]) - 1, right_[At(tree)], rest);
        first = tree;
    } else {
        Split(left_[At(tree)], Count, first, left_[At(tree)]);
        rest = tree;
    }
    Update(tree);
}

int TPlaceSequence::Merge(int first, int rest)
{
    if (first < 0)
        return rest;
    if (rest < 0)
        return first;
    if (weight_[At(first)] > weight_[At(rest)]) {
        right_[At(first)] = Merge(right_[At(first)], rest);
        Update(first);
        return first;
    }
    left_[At(rest)] = Merge(first, left_[At(rest)]);
    Update(rest);
    return rest;
}

void TPlaceSequence::Move(int From, int To)
{
    if (From == To)
        return;
    int before = -1, entry = -1, after = -1;
    Split(root_, From, before, after);
    Split(after, 1, entry, after);
    root_ = Merge(before, after);
    Split(root_, To, before, after);
    root_ = Merge(Merge(before, entry), after);
}

std::vector<int> TPlaceSequence::Order() const
{
    std::vector<int> order;
    order.reserve(size_.size());
    std::vector<int> path;
    for (int node = root_; node >= 0 || !path.empty();) {
        if (node >= 0) {
            path.push_back(node);
            node = left_[At(node)];
        } else {
            node = path.back();
            path.pop_back();
            order.push_back(node);
            node = right_[At(node)];
        }
    }
    return order;
}
