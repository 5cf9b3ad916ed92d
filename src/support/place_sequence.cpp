#include "place_sequence.h"

TPlaceSequence::TPlaceSequence(int Count) : nodes_(Count > 0 ? static_cast<std::size_t>(Count) : 0)
{
    // The weights come from a generator of the sequence's own, so the list's mixing draws stay the
    // player's; any fixed seed balances equally well (xorshift32).
    std::uint32_t state = 2463534242u;
    for (TNode& n : nodes_) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        n.Weight = state;
    }
    // The entries in their starting order: each new node goes in at the right end, below the last
    // node on the right spine with a higher weight (kept on a stack).
    std::vector<int> spine;
    const auto close = [this](int node) {
        Node(node).Size = 1 + Size(Node(node).Left) + Size(Node(node).Right);
    };
    for (int node = 0; node < Count; ++node) {
        int last = -1;
        while (!spine.empty() && Node(spine.back()).Weight < Node(node).Weight) {
            last = spine.back();
            spine.pop_back();
            close(last);
        }
        Node(node).Left = last;
        if (!spine.empty())
            Node(spine.back()).Right = node;
        spine.push_back(node);
    }
    while (!spine.empty()) {
        root_ = spine.back();
        spine.pop_back();
        close(root_);
    }
}

void TPlaceSequence::Split(int tree, int Count, int& first, int& rest)
{
    if (tree < 0) {
        first = rest = -1;
        return;
    }
    TNode& n = Node(tree);
    const int leftSize = Size(n.Left);
    if (leftSize < Count) {
        int right = n.Right;
        Split(right, Count - leftSize - 1, n.Right, rest);
        first = tree;
    } else {
        int left = n.Left;
        Split(left, Count, first, n.Left);
        rest = tree;
    }
    n.Size = 1 + Size(n.Left) + Size(n.Right);
}

int TPlaceSequence::Merge(int first, int rest)
{
    if (first < 0)
        return rest;
    if (rest < 0)
        return first;
    if (Node(first).Weight > Node(rest).Weight) {
        TNode& n = Node(first);
        n.Right = Merge(n.Right, rest);
        n.Size = 1 + Size(n.Left) + Size(n.Right);
        return first;
    }
    TNode& n = Node(rest);
    n.Left = Merge(first, n.Left);
    n.Size = 1 + Size(n.Left) + Size(n.Right);
    return rest;
}

int TPlaceSequence::Remove(int Place)
{
    int* link = &root_;
    for (;;) {
        TNode& n = Node(*link);
        const int leftSize = Size(n.Left);
        if (Place == leftSize) {
            const int node = *link;
            *link = Merge(n.Left, n.Right);
            return node;
        }
        --n.Size; // the entry leaves this subtree
        if (Place < leftSize) {
            link = &n.Left;
        } else {
            Place -= leftSize + 1;
            link = &n.Right;
        }
    }
}

void TPlaceSequence::Insert(int NewNode, int Place)
{
    TNode& x = Node(NewNode);
    int* link = &root_;
    while (*link >= 0 && Node(*link).Weight > x.Weight) {
        TNode& n = Node(*link);
        ++n.Size;
        const int leftSize = Size(n.Left);
        if (Place <= leftSize) {
            link = &n.Left;
        } else {
            Place -= leftSize + 1;
            link = &n.Right;
        }
    }
    Split(*link, Place, x.Left, x.Right);
    x.Size = 1 + Size(x.Left) + Size(x.Right);
    *link = NewNode;
}

void TPlaceSequence::Move(int From, int To)
{
    if (From != To)
        Insert(Remove(From), To);
}

std::vector<int> TPlaceSequence::Order() const
{
    std::vector<int> order;
    order.reserve(nodes_.size());
    std::vector<int> path;
    for (int node = root_; node >= 0 || !path.empty();) {
        if (node >= 0) {
            path.push_back(node);
            node = nodes_[static_cast<std::size_t>(node)].Left;
        } else {
            node = path.back();
            path.pop_back();
            order.push_back(node);
            node = nodes_[static_cast<std::size_t>(node)].Right;
        }
    }
    return order;
}
