// The chain: linking, walking it from its end back to the node called, and
// copying it.

#include "puzzle/particles.h"

#include "platform/host/diagnostics.h"

namespace {

// Runs `step` on every node from the end of the chain back to `start`, which
// comes last: the order in which calls forwarded to `next` before acting reach
// them. Each node is kept alive through its own step, since drawing may unlink it.
template <typename Step>
void WalkFromEnd(particleNodeType& start, Step step) {
  particleNodeType* node = &start;
  while (node->next) node = node->next.get();
  for (;;) {
    const std::shared_ptr<particleNodeType> keepAlive = node->weak_from_this().lock();
    particleNodeType* const before = node->previous;
    const bool last = node == &start;
    step(*node);
    if (last || !before) return;
    node = before;
  }
}

}  // namespace

particleNodeType::~particleNodeType() {
  std::shared_ptr<particleNodeType> rest = std::move(next);
  while (rest && rest.use_count() == 1) {
    std::shared_ptr<particleNodeType> after = std::move(rest->next);
    rest = std::move(after);
  }
  if (rest) rest->previous = nullptr;
}

void particleNodeType::InsertAfter(particleNodeType& node) {
  next = std::move(node.next);
  if (next) next->previous = this;
  previous = &node;
  node.next = shared_from_this();
}

void particleNodeType::Update() {
  WalkFromEnd(*this, [](particleNodeType& node) { node.UpdateSelf(); });
}

void particleNodeType::Draw(float originX, float originY, int layer, float alphaFactor) {
  WalkFromEnd(*this, [&](particleNodeType& node) { node.DrawSelf(originX, originY, layer, alphaFactor); });
}

void particleNodeType::Shift(int dx, int dy) {
  WalkFromEnd(*this, [&](particleNodeType& node) { node.ShiftSelf(dx, dy); });
}

std::shared_ptr<particleNodeType> particleNodeType::CopySelf() const { return std::make_shared<particleNodeType>(); }

std::shared_ptr<particleNodeType> particleNodeType::CopyChain() const {
  std::shared_ptr<particleNodeType> head = CopySelf();
  particleNodeType* last = head.get();
  for (const particleNodeType* node = next.get(); node; node = node->next.get()) {
    const std::shared_ptr<particleNodeType> copy = node->CopySelf();
    copy->InsertAfter(*last);
    last = copy.get();
  }
  return head;
}

void particleNodeType::Unlink() {
  // Every particle sits behind a head, so a particle without a previous node
  // means the chain has been broken.
  if (previous && next) {
    next->previous = previous;
    previous->next = std::move(next);
  } else if (previous) {
    previous->next = nullptr;
  } else if (next) {
    platform::Notify("impossible: this particle has no previous");
  } else {
    platform::Notify("impossible: this particle has no next or previous");
  }
  next = nullptr;
  previous = nullptr;
}

namespace {

constexpr int BehindLayer = -1;
constexpr int InFrontLayer = 1;

void DrawLayer(particleNodeType& chain, float originX, float originY, int layer) {
  chain.Draw(originX, originY, layer, 1.0f);
  platform::SetColor(255, 255, 255);
}

}  // namespace

void DrawParticlesBehind(particleNodeType& chain, float originX, float originY) {
  DrawLayer(chain, originX, originY, BehindLayer);
}

void DrawParticlesInFront(particleNodeType& chain, float originX, float originY) {
  DrawLayer(chain, originX, originY, InFrontLayer);
}
