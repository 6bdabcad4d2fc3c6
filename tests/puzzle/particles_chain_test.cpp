// The particle chain: the order in which calls reach its nodes, unlinking, and
// chains far longer than the stack could walk one call deep per node.

#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/host/diagnostics.h"
#include "puzzle/particles.h"

namespace {

// A node that writes down every call that reaches it; it can leave its chain when drawn.
struct RecordingNode : particleNodeType {
  RecordingNode(int id, std::vector<std::string>& log) : id(id), log(log) {}
  int id;
  std::vector<std::string>& log;
  bool leaveWhenDrawn = false;

 protected:
  void UpdateSelf() override { log.push_back("update " + std::to_string(id)); }
  void DrawSelf(float, float, int, float) override {
    log.push_back("draw " + std::to_string(id));
    if (leaveWhenDrawn) Unlink();
  }
  void ShiftSelf(int, int) override { log.push_back("shift " + std::to_string(id)); }
};

// The ids from the head to the end, checking that every back link matches.
std::vector<int> Ids(particleNodeType& head) {
  std::vector<int> ids;
  for (particleNodeType* node = &head; node->next; node = node->next.get()) {
    EXPECT_EQ(node->next->previous, node);
    ids.push_back(static_cast<RecordingNode*>(node->next.get())->id);
  }
  return ids;
}

// Runs `work` on a thread with a small stack: a walk that went one call deeper
// per node would overflow it within a few thousand particles.
void OnSmallStack(const std::function<void()>& work) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 128 * 1024);
  pthread_t thread;
  auto run = [](void* w) -> void* {
    (*static_cast<const std::function<void()>*>(w))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

class ParticleChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillParticleTables();
    platform::SetNotifyHook([this](const std::string& text, bool) { messages.push_back(text); });
  }
  void TearDown() override {
    platform::SetNotifyHook({});
  }

  std::shared_ptr<RecordingNode> Add(particleNodeType& head, int id) {
    auto node = std::make_shared<RecordingNode>(id, log);
    node->InsertAfter(head);
    return node;
  }

  std::vector<std::string> log;
  std::shared_ptr<particleNodeType> chain = std::make_shared<particleNodeType>();
  std::vector<std::string> messages;
};

TEST_F(ParticleChainTest, CallsReachTheEndOfTheChainFirstAndTheNodeCalledLast) {
  auto head = std::make_shared<particleNodeType>();
  for (int id = 1; id <= 4; ++id) Add(*head, id);
  EXPECT_EQ(Ids(*head), (std::vector<int>{4, 3, 2, 1}));  // the newest right after the head

  head->Update();
  head->Shift(8, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"update 1", "update 2", "update 3", "update 4", "shift 1", "shift 2",
                                           "shift 3", "shift 4"}));

  // A call on a node in the middle reaches only that node and those after it.
  log.clear();
  head->next->next->Update();  // node 3
  EXPECT_EQ(log, (std::vector<std::string>{"update 1", "update 2", "update 3"}));
}

TEST_F(ParticleChainTest, NodesThatLeaveWhileDrawnLetTheRestDrawAndKeepTheLinksWhole) {
  auto head = std::make_shared<particleNodeType>();
  std::vector<std::shared_ptr<RecordingNode>> nodes;
  for (int id = 1; id <= 5; ++id) nodes.push_back(Add(*head, id));
  std::weak_ptr<RecordingNode> last = nodes[0], middle = nodes[2], first = nodes[4];
  for (int i : {0, 2, 4}) nodes[i]->leaveWhenDrawn = true;
  nodes.clear();  // the chain alone holds them now

  head->Draw(0, 0, 1, 1.0f);
  EXPECT_EQ(log, (std::vector<std::string>{"draw 1", "draw 2", "draw 3", "draw 4", "draw 5"}));
  EXPECT_EQ(Ids(*head), (std::vector<int>{4, 2}));
  EXPECT_TRUE(last.expired() && middle.expired() && first.expired()) << "unlinked nodes are released";
  EXPECT_TRUE(messages.empty());

  head->next->previous = nullptr;  // a broken chain is reported, not followed
  static_cast<RecordingNode*>(head->next.get())->leaveWhenDrawn = true;
  head->next->Draw(0, 0, 1, 1.0f);
  EXPECT_EQ(messages, (std::vector<std::string>{"impossible: this particle has no previous"}));
}

TEST_F(ParticleChainTest, ThousandsOfParticlesUpdateShiftLeaveAndAreReleasedOnASmallStack) {
  constexpr int Count = 5000;
  size_t afterEmit = 0, afterDraw = 0;
  bool moved = false;
  OnSmallStack([&] {
    chain = std::make_shared<particleNodeType>();
    Emit(3, 100, 100, static_cast<float>(Count), 0, 0, ParticleSink{*chain});
    for (auto* node = chain->next.get(); node; node = node->next.get()) ++afterEmit;
    const float before = static_cast<particleType*>(chain->next.get())->offsetX;
    chain->Update();
    chain->Shift(8, 8);
    moved = static_cast<particleType*>(chain->next.get())->offsetX == before + 8;

    // Faded particles leave the chain the next time it is drawn, without drawing.
    for (auto* node = chain->next.get(); node; node = node->next.get()) {
      static_cast<particleType*>(node)->alpha = 0;
    }
    chain->Draw(47, 47, -1, 1.0f);
    for (auto* node = chain->next.get(); node; node = node->next.get()) ++afterDraw;

    // A long chain dropped all at once.
    Emit(3, 100, 100, static_cast<float>(Count), 0, 0, ParticleSink{*chain});
    chain = std::make_shared<particleNodeType>();
  });
  EXPECT_EQ(afterEmit, static_cast<size_t>(Count));
  EXPECT_TRUE(moved);
  EXPECT_EQ(afterDraw, 0u);
  EXPECT_EQ(chain->next, nullptr);
  EXPECT_TRUE(messages.empty());
}

// A copied chain holds particles of its own: stepping the copy leaves the
// original where it was, and both keep their order.
TEST_F(ParticleChainTest, ACopiedChainIsIndependentOfItsOriginal) {
  Emit(3, 100, 100, 40.0f, 0, 0, ParticleSink{*chain, 5, 7});
  const std::shared_ptr<particleNodeType> copy = chain->CopyChain();
  std::vector<float> original, copied;
  for (auto* node = chain->next.get(); node; node = node->next.get()) original.push_back(static_cast<particleType*>(node)->x);
  for (auto* node = copy->next.get(); node; node = node->next.get()) {
    copied.push_back(static_cast<particleType*>(node)->x);
    EXPECT_EQ(static_cast<particleType*>(node)->offsetX, 5);
  }
  EXPECT_EQ(copied, original);
  copy->Shift(8, 0);
  copy->Update();
  EXPECT_EQ(static_cast<particleType*>(chain->next.get())->x, original.front());
  EXPECT_EQ(static_cast<particleType*>(chain->next.get())->offsetX, 5);
}

}  // namespace
