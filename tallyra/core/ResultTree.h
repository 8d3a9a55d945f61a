#pragma once
// The two-level tree of results under the root "Tallyra", as AddTreePair builds it: first-level
// nodes for the distinct level-1 values, under each the distinct level-2 values met with it, all
// in order of first appearance. Values are told apart without regard to letter case or
// surrounding blanks (the node keeps the text it was created with). Each distinct value is
// numbered once by hash; nodes are then found by number, so building the tree of n records costs
// O(n) and only new nodes allocate.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tallyra {

inline constexpr std::string_view kRootText = "Tallyra";

struct TreeNode {
  std::string text;
  int parent = -1;  // index of the first-level parent; -1 for a first-level node
  bool IsFirstLevel() const { return parent < 0; }
};

class ResultTree {
public:
  // Adds first as a first-level node unless it exists or is empty, and second (one blank when
  // empty) under it unless the pair exists.
  void AddTreePair(std::string_view first, std::string_view second);
  // The same with the values already numbered by Intern, which spares a load hashing a text
  // that it also counts.
  void AddTreePair(int firstId, std::string_view first, int secondId, std::string_view second);

  // The number of a distinct value (by NodeKey), given when first met; numbers start at 0 and
  // stay below ValueCount().
  int Intern(std::string_view text);
  int ValueCount() const { return static_cast<int>(firstLevelOfValue_.size()); }

  // All nodes but the root, in creation order.
  const std::vector<TreeNode>& Nodes() const { return nodes_; }
  // Index of a node by its text (and its parent's), or -1.
  int FindFirstLevel(std::string_view text) const;
  int FindSecondLevel(int parent, std::string_view text) const;
  // Child indexes of a first-level node, in creation order.
  const std::vector<int>& Children(int parent) const;

private:
  // The number of a value already met, or -1.
  int ValueId(std::string_view text) const;

  std::vector<TreeNode> nodes_;
  std::vector<std::vector<int>> children_;  // per node; empty for second-level ones
  // Values are numbered once, so the many pair lookups hash two numbers instead of two texts.
  std::unordered_map<std::string, int> valueIds_;
  std::vector<int> firstLevelOfValue_;                  // value id -> node, or -1
  // (parent node, value id) -> node, open addressing: one probe per lookup in the common case
  // and no allocation per node, as a load meets one new pair for almost every record.
  std::size_t PairSlot(std::uint64_t key) const;
  void MakeRoomForPair();
  std::vector<std::uint64_t> pairKeys_;
  std::vector<int> pairNodes_;
  std::size_t pairCount_ = 0;
  mutable std::string key_;
};


} // namespace tallyra
