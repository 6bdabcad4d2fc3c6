#pragma once
// The heads-up layer over the level; holds so far its column of level tokens.

#include <memory>

class TokenColumn;

class InGameButtons {
 public:
  std::shared_ptr<TokenColumn> tokenColumn;

  static std::shared_ptr<InGameButtons> Create();
};

extern std::shared_ptr<InGameButtons> inGameButtons;
