#include "tallyra/core/ResultTree.h"

#include "platform/text/Text.h"

#include <algorithm>
#include <bit>

namespace tallyra {
namespace {

constexpr std::uint64_t kNoPair = ~std::uint64_t{0};  // a parent index never reaches 2^32 - 1

std::uint64_t PairKey(int parent, int valueId) {
  return static_cast<std::uint64_t>(static_cast<std::uint32_t>(parent)) << 32 |
         static_cast<std::uint32_t>(valueId);
}

// Texts are compared upper-cased, surrounding blanks removed.
void AppendNodeKey(std::string& key, std::string_view text) {
  for (const char c : platform::Trim(text)) {
    key += platform::ToUpperCp1252(c);
  }
}

} // namespace

int ResultTree::ValueId(std::string_view text) const {
  key_.clear();
  AppendNodeKey(key_, text);
  const auto found = valueIds_.find(key_);
  return found == valueIds_.end() ? -1 : found->second;
}

int ResultTree::Intern(std::string_view text) {
  const int known = ValueId(text);
  if (known >= 0) {
    return known;
  }
  const int id = static_cast<int>(valueIds_.size());
  valueIds_.emplace(key_, id);
  firstLevelOfValue_.push_back(-1);
  return id;
}

int ResultTree::FindFirstLevel(std::string_view text) const {
  const int id = ValueId(text);
  return id < 0 ? -1 : firstLevelOfValue_[static_cast<std::size_t>(id)];
}

int ResultTree::FindSecondLevel(int parent, std::string_view text) const {
  const int id = ValueId(text);
  if (id < 0 || pairKeys_.empty()) {
    return -1;
  }
  const std::uint64_t key = PairKey(parent, id);
  const std::size_t slot = PairSlot(key);
  return pairKeys_[slot] == key ? pairNodes_[slot] : -1;
}

// The slot holding key, or the free slot where it belongs: the table is kept at most half full,
// so a free slot always ends the probe.
std::size_t ResultTree::PairSlot(std::uint64_t key) const {
  const std::size_t mask = pairKeys_.size() - 1;
  // Fibonacci hashing: the top bits of the product mix both halves of the key, so the many pairs
  // that share a value (one questionnaire under every student) do not crowd into one run.
  std::size_t slot = (key * 0x9E3779B97F4A7C15ull) >> (64 - std::countr_zero(pairKeys_.size()));
  while (pairKeys_[slot] != kNoPair && pairKeys_[slot] != key) {
    slot = (slot + 1) & mask;
  }
  return slot;
}

void ResultTree::MakeRoomForPair() {
  if (2 * (pairCount_ + 1) <= pairKeys_.size()) {
    return;
  }
  std::vector<std::uint64_t> keys(std::max<std::size_t>(64, 2 * pairKeys_.size()), kNoPair);
  std::vector<int> nodes(keys.size(), -1);
  keys.swap(pairKeys_);
  nodes.swap(pairNodes_);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] != kNoPair) {
      const std::size_t slot = PairSlot(keys[i]);
      pairKeys_[slot] = keys[i];
      pairNodes_[slot] = nodes[i];
    }
  }
}

const std::vector<int>& ResultTree::Children(int parent) const {
  return children_.at(static_cast<std::size_t>(parent));
}

void ResultTree::AddTreePair(std::string_view first, std::string_view second) {
  const int firstId = Intern(first);
  AddTreePair(firstId, first, Intern(second), second);
}

void ResultTree::AddTreePair(int firstId, std::string_view first, int secondId,
                             std::string_view second) {
  int& parent = firstLevelOfValue_[static_cast<std::size_t>(firstId)];
  if (parent < 0) {
    if (first.empty()) {
      return;
    }
    parent = static_cast<int>(nodes_.size());
    nodes_.push_back({std::string(first), -1});
    children_.emplace_back();
  }
  const int firstNode = parent;
  MakeRoomForPair();
  const std::uint64_t key = PairKey(firstNode, secondId);
  const std::size_t slot = PairSlot(key);
  if (pairKeys_[slot] != key) {
    const int node = static_cast<int>(nodes_.size());
    pairKeys_[slot] = key;
    pairNodes_[slot] = node;
    ++pairCount_;
    children_[static_cast<std::size_t>(firstNode)].push_back(node);
    nodes_.push_back({std::string(second.empty() ? std::string_view(" ") : second), firstNode});
    children_.emplace_back();
  }
}

} // namespace tallyra
