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
    struct TNode {
        int Left = -1;
        int Right = -1;
        int Size = 1;
        // Heap order on these keeps the tree about 2 ln n deep.
        std::uint32_t Weight = 0;
    };
    int Size(int node) const { return node < 0 ? 0 : nodes_[static_cast<std::size_t>(node)].Size; }
    TNode& Node(int node) { return nodes_[static_cast<std::size_t>(node)]; }
    // Unlinks the entry at place Place and returns its node.
    int Remove(int Place);
    // Links a lone node in at place Place.
    void Insert(int NewNode, int Place);
    // Cuts tree into its first Count entries and the rest.
    void Split(int tree, int Count, int& first, int& rest);
    int Merge(int first, int rest);

    std::vector<TNode> nodes_;
    int root_ = -1;
};
