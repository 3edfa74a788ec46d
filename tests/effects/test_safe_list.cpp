// The list whose walks survive removal: order, removal of the current, the
// next and every element during a walk, appends during a walk, handles and
// lifetimes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/safe_list.h"

namespace {

struct Item {
    int id = 0;
    explicit Item(int i) : id(i) {}
};

using List = SafeList<Item>;

std::vector<int> Ids(const List& list) {
    std::vector<int> out;
    list.forEach([&](Item& it) { out.push_back(it.id); });
    return out;
}

// Fills the list with ids 1..n and returns their handles (index = id - 1).
std::vector<List::Handle> Fill(List& list, int n) {
    std::vector<List::Handle> handles;
    for (int i = 1; i <= n; ++i) handles.push_back(list.append(std::make_shared<Item>(i)));
    return handles;
}

}  // namespace

TEST(SafeList, AppendPrependKeepOrderAndCount) {
    List list;
    EXPECT_TRUE(list.empty());
    Fill(list, 3);
    list.prepend(std::make_shared<Item>(0));
    EXPECT_EQ(Ids(list), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(list.front()->id, 0);
    EXPECT_EQ(list.back()->id, 3);
    EXPECT_FALSE(list.append(nullptr).inList());
    EXPECT_EQ(list.size(), 4u);
}

TEST(SafeList, RemoveByHandlePointerAndValue) {
    List list;
    auto h = Fill(list, 5);
    auto items = list.toVector();
    EXPECT_EQ(list.remove(h[0])->id, 1);            // head
    EXPECT_EQ(list.remove(items[4].get())->id, 5);  // tail
    EXPECT_EQ(list.remove(items[2])->id, 3);        // middle
    EXPECT_EQ(Ids(list), (std::vector<int>{2, 4}));
    EXPECT_EQ(list.front()->id, 2);
    EXPECT_EQ(list.back()->id, 4);
    // Removing twice, or through a stale handle, does nothing.
    EXPECT_EQ(list.remove(h[0]), nullptr);
    EXPECT_FALSE(h[0].inList());
    EXPECT_TRUE(h[1].inList());
    EXPECT_EQ(list.size(), 2u);
    // A handle of another list does not remove from this one.
    List other;
    auto foreign = other.append(std::make_shared<Item>(9));
    EXPECT_EQ(list.remove(foreign), nullptr);
    EXPECT_EQ(other.size(), 1u);
}

TEST(SafeList, WalkSurvivesRemovalOfTheCurrentElement) {
    List list;
    auto h = Fill(list, 5);
    std::vector<int> seen;
    list.forEach([&](const std::shared_ptr<Item>& it) {
        seen.push_back(it->id);
        if (it->id % 2 == 1) list.remove(it);
        // The removed element is still alive for the rest of this call.
        EXPECT_GT(it->id, 0);
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Ids(list), (std::vector<int>{2, 4}));
}

TEST(SafeList, RemovedCurrentElementStaysAliveUntilTheWalkLeavesIt) {
    List list;
    std::weak_ptr<Item> watch;
    {
        auto item = std::make_shared<Item>(1);
        watch = item;
        list.append(item);
    }
    list.append(std::make_shared<Item>(2));
    int drawnAfterRemoval = 0;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if ((*it)->id == 1) {
            list.remove(*it);
            EXPECT_FALSE(watch.expired());  // "update removed it, draw still runs"
            drawnAfterRemoval = (*it)->id;
        }
    }
    EXPECT_EQ(drawnAfterRemoval, 1);
    EXPECT_TRUE(watch.expired());
}

TEST(SafeList, WalkSkipsTheNextElementWhenItIsRemoved) {
    List list;
    auto h = Fill(list, 5);
    std::vector<int> seen;
    list.forEach([&](Item& it) {
        seen.push_back(it.id);
        if (it.id == 2) list.remove(h[2]);  // 3, the next one
        if (it.id == 4) {
            list.remove(h[3]);  // itself, then what follows it
            list.remove(h[4]);
        }
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(Ids(list), (std::vector<int>{1, 2}));
}

TEST(SafeList, WalkSurvivesRemovingTheCurrentThenTheFollowingInEitherOrder) {
    for (bool currentFirst : {true, false}) {
        List list;
        auto h = Fill(list, 4);
        std::vector<int> seen;
        list.forEach([&](Item& it) {
            seen.push_back(it.id);
            if (it.id != 2) return;
            if (currentFirst) {
                list.remove(h[1]);
                list.remove(h[2]);
            } else {
                list.remove(h[2]);
                list.remove(h[1]);
            }
        });
        EXPECT_EQ(seen, (std::vector<int>{1, 2, 4})) << currentFirst;
        EXPECT_EQ(Ids(list), (std::vector<int>{1, 4}));
    }
}

TEST(SafeList, ClearingDuringAWalkEndsItAfterTheCurrentElement) {
    List list;
    Fill(list, 5);
    std::vector<int> seen;
    list.forEach([&](Item& it) {
        seen.push_back(it.id);
        if (it.id == 2) list.clear();
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.front(), nullptr);
    // The list is usable again afterwards.
    list.append(std::make_shared<Item>(7));
    EXPECT_EQ(Ids(list), (std::vector<int>{7}));
}

TEST(SafeList, RemovingEveryElementOneByOneDuringAWalk) {
    List list;
    auto h = Fill(list, 6);
    std::vector<int> seen;
    list.forEach([&](Item& it) {
        seen.push_back(it.id);
        for (auto& handle : h) list.remove(handle);
    });
    EXPECT_EQ(seen, (std::vector<int>{1}));
    EXPECT_TRUE(list.empty());
}

TEST(SafeList, ElementsAddedDuringAWalkWaitForTheNextWalk) {
    List list;
    auto h = Fill(list, 3);
    std::vector<int> seen;
    list.forEach([&](const std::shared_ptr<Item>& it) {
        seen.push_back(it->id);
        if (it->id == 1) {
            // Moved to the back: not visited twice.
            list.remove(it);
            list.append(it);
        }
        list.append(std::make_shared<Item>(10 + it->id));
        list.prepend(std::make_shared<Item>(20 + it->id));
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Ids(list), (std::vector<int>{23, 22, 21, 2, 3, 1, 11, 12, 13}));
}

TEST(SafeList, TailRemovedThenAppendedDuringAWalk) {
    List list;
    auto h = Fill(list, 2);
    std::vector<int> seen;
    list.forEach([&](Item& it) {
        seen.push_back(it.id);
        if (it.id == 1) {
            list.remove(h[1]);
            list.append(std::make_shared<Item>(3));
        }
    });
    EXPECT_EQ(seen, (std::vector<int>{1}));
    EXPECT_EQ(Ids(list), (std::vector<int>{1, 3}));
}

TEST(SafeList, NestedWalksSeeEachOthersRemovals) {
    List list;
    Fill(list, 4);
    std::vector<std::string> log;
    list.forEach([&](Item& outer) {
        list.forEach([&](const std::shared_ptr<Item>& inner) {
            if (inner->id == outer.id + 1) list.remove(inner);
        });
        log.push_back(std::to_string(outer.id));
    });
    // 1 removes 2, 3 removes 4: the outer walk never reaches them.
    EXPECT_EQ(log, (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(Ids(list), (std::vector<int>{1, 3}));
}

TEST(SafeList, FindIfReturnsTheFirstMatchInListOrder) {
    List list;
    Fill(list, 5);
    auto even = list.findIf([](const Item& it) { return it.id % 2 == 0; });
    ASSERT_NE(even, nullptr);
    EXPECT_EQ(even->id, 2);
    EXPECT_EQ(list.findIf([](const Item& it) { return it.id > 9; }), nullptr);
    EXPECT_TRUE(list.contains(even.get()));
    list.remove(even);
    EXPECT_FALSE(list.contains(even.get()));
}

TEST(SafeList, LongListsAreFreedWithoutDeepRecursion) {
    std::weak_ptr<Item> first;
    {
        List list;
        for (int i = 0; i < 200000; ++i) {
            auto item = std::make_shared<Item>(i);
            if (i == 0) first = item;
            list.append(item);
        }
        // Removing everything one by one from inside a walk leaves a long chain
        // of removed nodes that only the walk holds.
        auto all = list.toVector();
        int calls = 0;
        list.forEach([&](Item&) {
            ++calls;
            for (auto& it : all) list.remove(it);
        });
        EXPECT_EQ(calls, 1);
        EXPECT_TRUE(list.empty());
        all.clear();
        for (int i = 0; i < 200000; ++i) list.append(std::make_shared<Item>(i));
    }
    EXPECT_TRUE(first.expired());
}
