#pragma once
#include <cstdint>
#include <vector>

// The places 0..n-1 of a list as a sequence that can take out the entry at one place and put it back
// at another in O(log n), without shifting the entries between: a tree ordered by place (a treap
// whose nodes count their subtrees). Nodes are the entries' starting indexes.
class TPlaceSequence {
  public:
    explicit TPlaceSequence(int Count);

    // Takes the entry now at place From out and puts it in at place To; the entries between close up
    // by one, as a list move does. Both places must lie in 0..Count-1.
    void Move(int From, int To);
    // The starting index of the entry at each place, in place order.
    std::vector<int> Order() const;

  private:
    int Size(int node) const { return node < 0 ? 0 : size_[static_cast<std::size_t>(node)]; }
    void Update(int node);
    // Cuts tree into its first Count entries and the rest.
    void Split(int tree, int Count, int& first, int& rest);
    int Merge(int first, int rest);

    std::vector<int> left_, right_, size_;
    // Heap order on these keeps the tree about 2 ln n deep. They come from a generator of the
    // sequence's own, so the list's mixing draws stay the player's.
    std::vector<std::uint32_t> weight_;
    int root_ = -1;
};
