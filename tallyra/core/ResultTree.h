#pragma once
// The two-level tree of results under the root "Tallyra", as AddTreePair builds it: first-level
// nodes for the distinct level-1 values, under each the distinct level-2 values met with it, all
// in order of first appearance. Values are told apart without regard to letter case or
// surrounding blanks (the node keeps the text it was created with), looked up by hash, so
// building the tree of n records costs O(n).

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
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

  // All nodes but the root, in creation order.
  const std::vector<TreeNode>& Nodes() const { return nodes_; }
  // Index of a node by its text (and its parent's), or -1.
  int FindFirstLevel(std::string_view text) const;
  int FindSecondLevel(int parent, std::string_view text) const;
  // Child indexes of a first-level node, in creation order.
  const std::vector<int>& Children(int parent) const;

private:
  std::vector<TreeNode> nodes_;
  std::vector<std::vector<int>> children_;  // per node; empty for second-level ones
  std::unordered_map<std::string, int> firstLevel_;
  std::unordered_map<std::string, int> secondLevel_;
};

// The key under which node texts are compared: upper-cased, surrounding blanks removed.
std::string NodeKey(std::string_view text);

// Distinct values counted without regard to case or surrounding blanks (the status bar counts).
class DistinctCounter {
public:
  void Add(std::string_view value) { seen_.insert(NodeKey(value)); }
  int Count() const { return static_cast<int>(seen_.size()); }

private:
  std::unordered_set<std::string> seen_;
};

} // namespace tallyra
