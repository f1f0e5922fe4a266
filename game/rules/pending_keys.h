// Keys that arrive while a key is still being handled: the step animation
// pumps messages, and a key handled inside it would start its step one
// level deeper each time, so a held arrow key grew the stack without end.
// They wait here, in order, and run when the step before has ended. Only a
// few wait: typing keeps up, and a held key's repeats beyond them are dropped.
#pragma once

namespace Game {

class PendingKeys {
 public:
  static constexpr int kCapacity = 16;

  bool Empty() const { return count_ == 0; }
  int Count() const { return count_; }
  // False (and the key dropped) when the queue is full.
  bool Push(int key) {
    if (count_ == kCapacity) return false;
    keys_[count_++] = key;
    return true;
  }
  int Pop() {
    const int key = keys_[0];
    for (int i = 1; i < count_; ++i) keys_[i - 1] = keys_[i];
    --count_;
    return key;
  }
  void Clear() { count_ = 0; }

  // True while a key is being handled: further keys wait.
  bool handling = false;

 private:
  int keys_[kCapacity] = {};
  int count_ = 0;
};

}  // namespace Game
