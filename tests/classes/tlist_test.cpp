#include <gtest/gtest.h>

#include <cstdint>

#include "exceptions.h"
#include "tlist.h"

namespace {

void* Slot(std::intptr_t v) { return reinterpret_cast<void*>(v); }

TEST(TList, AddInsertRemoveAndIndexOf) {
  TList list;
  int a = 0, b = 0, c = 0;
  EXPECT_EQ(list.Add(&a), 0);
  EXPECT_EQ(list.Add(&c), 1);
  list.Insert(1, &b);
  EXPECT_EQ(list.IndexOf(&b), 1);
  EXPECT_EQ(list.IndexOf(nullptr), -1);
  EXPECT_EQ(list.Remove(&a), 0);
  EXPECT_EQ(list.Remove(&a), -1);
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.First(), &b);
  EXPECT_EQ(list.Last(), &c);
}

TEST(TList, SlotsHoldNilAndThirtyTwoBitIntegers) {
  TList list;
  list.Add(Slot(0x00FFFFFF));
  list.Add(nullptr);
  list.Add(Slot(0xFFFFFFFF));
  list.Add(Slot(-1));
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(list.GetItems(0)), 0x00FFFFFF);
  EXPECT_EQ(list.GetItems(1), nullptr);
  EXPECT_EQ(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(list.GetItems(2))), 0xFFFFFFFFu);
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(list.GetItems(3)), -1);
  list.SetItems(0, nullptr);
  list.Pack();
  EXPECT_EQ(list.GetCount(), 2);
}

TEST(TList, BadIndicesRaiseListErrorNamingTheIndex) {
  TList list;
  list.Add(nullptr);
  try {
    list.GetItems(3);
    FAIL() << "no exception";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message, "Der Index der Liste überschreitet das Maximum (3)");
  }
  EXPECT_THROW(list.GetItems(-1), EListError);
  EXPECT_THROW(list.SetItems(1, nullptr), EListError);
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_THROW(list.Insert(2, nullptr), EListError);
  EXPECT_THROW(list.Exchange(0, 1), EListError);
  EXPECT_THROW(list.Move(1, 0), EListError);
  EXPECT_THROW(list.SetCapacity(0), EListError);
  list.Clear();
  EXPECT_THROW(list.First(), EListError);
  EXPECT_THROW(list.Last(), EListError);
}

TEST(TList, ExchangeMoveAndSort) {
  TList list;
  for (int v : {3, 1, 2}) list.Add(Slot(v));
  list.Exchange(0, 2);  // 2 1 3
  list.Move(2, 0);      // 3 2 1
  EXPECT_EQ(list.GetItems(0), Slot(3));
  EXPECT_EQ(list.GetItems(1), Slot(2));
  list.Sort([](void* a, void* b) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(a) - reinterpret_cast<std::intptr_t>(b));
  });
  EXPECT_EQ(list.GetItems(0), Slot(1));
  EXPECT_EQ(list.GetItems(2), Slot(3));
  list.SetCount(5);
  EXPECT_EQ(list.GetItems(4), nullptr);
  list.SetCapacity(100);
  EXPECT_GE(list.GetCapacity(), 100);
}

}  // namespace
