#pragma once

#include <cstdint>
#include <deque>
#include <string>

// First in, first out: the relay messages waiting for the serial line. Producers append as the
// lamps change, the 5 ms line tick takes one at a time. Every operation is constant time and
// taking the head never moves the rest. Not for use from several threads at once.

namespace corvane {

class Queue {
public:
    void Enqueue(std::string value) { values_.push_back(std::move(value)); }
    // The head, removed. On an empty queue: std::invalid_argument, and the queue stays empty.
    std::string Dequeue();
    // The head, left in place. On an empty queue: std::invalid_argument.
    const std::string& Peek() const;
    std::int32_t Count() const { return static_cast<std::int32_t>(values_.size()); }
    void Clear() { values_.clear(); }

private:
    std::deque<std::string> values_;
};

}  // namespace corvane
