#pragma once
// The log's uploads run one after another on a thread of their own, so a slow
// or silent server never holds up play (a level batch can take two timed-out
// attempts) or quitting. Each upload is an exchange, which only touches its
// own data, and a report of its outcome (the debug lines), which runs while
// the game still wants it: after Abandon the report is dropped, so a thread
// left waiting on the network as the program ends touches nothing of the game.

#include <chrono>
#include <functional>
#include <memory>
#include <string>

class UploadWorker {
 public:
  // The exchange leaves its outcome where its report finds it.
  using Exchange = std::function<void()>;
  using Report = std::function<void()>;

  UploadWorker();
  // Abandons what is still waiting; never waits for the network.
  ~UploadWorker();
  UploadWorker(const UploadWorker&) = delete;
  UploadWorker& operator=(const UploadWorker&) = delete;

  // The thread starts with the first upload.
  void Post(Exchange exchange, Report report);
  // True when everything posted so far has been exchanged and reported within the limit.
  bool WaitUntilDone(std::chrono::milliseconds limit);
  // Reports nothing from now on; exchanges under way finish on their own.
  void Abandon();

 private:
  struct Shared;
  // Holds only the shared state, which outlives this object when the thread
  // is still in an exchange as the program ends.
  static void Run(const std::shared_ptr<Shared>& shared);

  std::shared_ptr<Shared> shared_;
};
