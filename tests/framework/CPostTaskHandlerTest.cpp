#include "framework/CPostTaskHandler.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

using Delivered = std::vector<std::pair<std::int32_t, void*>>;

TEST(CPostTaskHandlerTest, PostedTasks_RunLaterInOrderWithTheirNumberAndData) {
  Delivered delivered;
  CPostTaskHandler handler(
      [&delivered](std::int32_t task, void* data) { delivered.emplace_back(task, data); });
  int payload = 0;

  handler.PostEvent(1, &payload);
  handler.PostEvent(2, nullptr);
  EXPECT_TRUE(delivered.empty()) << "nothing runs before the event loop delivers it";

  QCoreApplication::sendPostedEvents();
  EXPECT_EQ((Delivered{{1, &payload}, {2, nullptr}}), delivered);
}

TEST(CPostTaskHandlerTest, DestroyingAHandler_DropsOnlyItsOwnPendingTasks) {
  Delivered first;
  Delivered second;
  auto doomed = std::make_unique<CPostTaskHandler>(
      [&first](std::int32_t task, void* data) { first.emplace_back(task, data); });
  CPostTaskHandler staying(
      [&second](std::int32_t task, void* data) { second.emplace_back(task, data); });

  doomed->PostEvent(7, nullptr);
  staying.PostEvent(8, nullptr);
  doomed.reset();
  QCoreApplication::sendPostedEvents();

  EXPECT_TRUE(first.empty());
  EXPECT_EQ((Delivered{{8, nullptr}}), second);
}

} // namespace
