#include "tallyra/core/ResultTree.h"

#include "platform/text/Text.h"

namespace tallyra {
namespace {

// Values never hold a line end, so it cannot occur inside either part of the key.
std::string PairKey(int parent, std::string_view text) {
  std::string key = std::to_string(parent);
  key += '\n';
  key += NodeKey(text);
  return key;
}

} // namespace

std::string NodeKey(std::string_view text) {
  return platform::ToUpperCp1252(platform::Trim(text));
}

int ResultTree::FindFirstLevel(std::string_view text) const {
  const auto found = firstLevel_.find(NodeKey(text));
  return found == firstLevel_.end() ? -1 : found->second;
}

int ResultTree::FindSecondLevel(int parent, std::string_view text) const {
  const auto found = secondLevel_.find(PairKey(parent, text));
  return found == secondLevel_.end() ? -1 : found->second;
}

const std::vector<int>& ResultTree::Children(int parent) const {
  return children_.at(static_cast<std::size_t>(parent));
}

void ResultTree::AddTreePair(std::string_view first, std::string_view second) {
  int parent = FindFirstLevel(first);
  if (parent < 0) {
    if (first.empty()) {
      return;
    }
    parent = static_cast<int>(nodes_.size());
    nodes_.push_back({std::string(first), -1});
    children_.emplace_back();
    firstLevel_.emplace(NodeKey(first), parent);
  }
  if (second.empty()) {
    second = " ";
  }
  const auto [slot, added] =
      secondLevel_.emplace(PairKey(parent, second), static_cast<int>(nodes_.size()));
  if (added) {
    children_[static_cast<std::size_t>(parent)].push_back(slot->second);
    nodes_.push_back({std::string(second), parent});
    children_.emplace_back();
  }
}

} // namespace tallyra
