#include "field/Queue.h"

#include <stdexcept>

namespace corvane {

std::string Queue::Dequeue() {
    if (values_.empty()) {
        throw std::invalid_argument("Dequeue on an empty queue");
    }
    std::string head = std::move(values_.front());
    values_.pop_front();
    return head;
}

const std::string& Queue::Peek() const {
    if (values_.empty()) {
        throw std::invalid_argument("Peek on an empty queue");
    }
    return values_.front();
}

}  // namespace corvane
