#include <gtest/gtest.h>

#include <stdexcept>

#include "field/Queue.h"

namespace corvane {
namespace {

TEST(QueueTest, ValuesComeOutInTheOrderTheyWentIn) {
    Queue queue;
    EXPECT_EQ(queue.Count(), 0);
    queue.Enqueue("F0");
    queue.Enqueue("N1");
    EXPECT_EQ(queue.Dequeue(), "F0");
    queue.Enqueue("F2");
    EXPECT_EQ(queue.Peek(), "N1");
    EXPECT_EQ(queue.Count(), 2);
    EXPECT_EQ(queue.Dequeue(), "N1");
    EXPECT_EQ(queue.Dequeue(), "F2");
    EXPECT_EQ(queue.Count(), 0);
}

TEST(QueueTest, ClearEmptiesAndTheQueueWorksOnAfterwards) {
    Queue queue;
    for (const char* message : {"N1", "N2", "N3"}) {
        queue.Enqueue(message);
    }
    queue.Clear();
    EXPECT_EQ(queue.Count(), 0);
    queue.Enqueue("F8");
    EXPECT_EQ(queue.Dequeue(), "F8");
}

TEST(QueueTest, TakingFromAnEmptyQueueIsAnInvalidArgument) {
    Queue queue;
    EXPECT_THROW(queue.Dequeue(), std::invalid_argument);
    EXPECT_THROW(queue.Peek(), std::invalid_argument);
    EXPECT_EQ(queue.Count(), 0);
    queue.Enqueue("F0");
    queue.Dequeue();
    EXPECT_THROW(queue.Dequeue(), std::invalid_argument);
    EXPECT_EQ(queue.Count(), 0);
}

}  // namespace
}  // namespace corvane
