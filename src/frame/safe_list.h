// SafeList<T>: the game's list for objects that remove themselves while the
// list is being walked (effects, puzzle pieces, animals...).
//
// A doubly linked list of std::shared_ptr<T>. Walks (forEach, findIf, range
// for) survive any change made from inside the walk:
// - removing the current element: the walk goes on with the element that
//   followed it, and the current element stays alive until the walk has left
//   it (so "update, then draw" of a self-removing object is safe);
// - removing any other element, including the next one, or clearing the
//   whole list: removed elements are never visited afterwards;
// - appending during a walk: the new element is NOT visited by that walk
//   (no endless walks; an element moved to the back is not seen twice).
// A walk visits, in list order, every element that was in the list when the
// walk began and is still in it when its turn comes. Nested walks are fine.
//
// How: nodes are reference counted. The walk holds the node it stands on; a
// removed node keeps its forward link, so a walk standing on it can still
// find the rest of the list, skipping nodes removed meanwhile. Each node gets
// a growing sequence number when added; the walk stops at nodes added after it
// began.
//
// Costs: append, prepend and removal through a Handle are O(1); removal by
// pointer is a linear search. Not thread-safe (the game is single-threaded).
// Null elements are not stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

template <class T>
class SafeList {
    struct Node {
        std::shared_ptr<T> value;
        std::shared_ptr<Node> next;
        Node* prev = nullptr;
        const SafeList* owner = nullptr;  // null once removed
        std::uint64_t seq = 0;

        ~Node() {
            // Releases a chain of removed nodes without recursion.
            std::shared_ptr<Node> n = std::move(next);
            while (n && n.use_count() == 1) n = std::move(n->next);
        }
    };

public:
    // Identifies one stored element for O(1) removal; safe to keep after the
    // element or the list is gone (removal then does nothing).
    class Handle {
    public:
        Handle() = default;
        bool inList() const {
            auto n = node_.lock();
            return n && n->owner != nullptr;
        }

    private:
        friend class SafeList;
        explicit Handle(const std::shared_ptr<Node>& n) : node_(n) {}
        std::weak_ptr<Node> node_;
    };

    // Forward iterator of a walk; see the rules at the top of this file.
    class iterator {
    public:
        using value_type = std::shared_ptr<T>;
        using reference = const std::shared_ptr<T>&;
        using difference_type = std::ptrdiff_t;

        iterator() = default;
        reference operator*() const { return node_->value; }
        T* operator->() const { return node_->value.get(); }
        iterator& operator++() {
            node_ = firstLive(node_->next, limit_);
            return *this;
        }
        bool operator==(const iterator& o) const { return node_ == o.node_; }
        bool operator!=(const iterator& o) const { return node_ != o.node_; }

    private:
        friend class SafeList;
        iterator(std::shared_ptr<Node> n, std::uint64_t limit) : node_(std::move(n)), limit_(limit) {}
        std::shared_ptr<Node> node_;
        std::uint64_t limit_ = 0;
    };

    SafeList() = default;
    SafeList(const SafeList&) = delete;
    SafeList& operator=(const SafeList&) = delete;
    ~SafeList() { clear(); }

    // Adds at the back; returns a handle for removal (empty for a null item).
    Handle append(std::shared_ptr<T> item) {
        if (!item) return {};
        auto n = makeNode(std::move(item));
        n->prev = tail_;
        if (tail_) {
            tail_->next = n;
        } else {
            head_ = n;
        }
        tail_ = n.get();
        return Handle(n);
    }

    // Adds at the front; a walk in progress does not visit it.
    Handle prepend(std::shared_ptr<T> item) {
        if (!item) return {};
        auto n = makeNode(std::move(item));
        n->next = head_;
        if (head_) {
            head_->prev = n.get();
        } else {
            tail_ = n.get();
        }
        head_ = n;
        return Handle(n);
    }

    // Removes the element of the handle when it is still in this list.
    // Returns the removed element (null when nothing was removed); holding the
    // result keeps an object alive that is removing itself.
    std::shared_ptr<T> remove(const Handle& h) { return unlink(h.node_.lock().get()); }
    // Removes the first occurrence of item.
    std::shared_ptr<T> remove(const T* item) { return unlink(find(item)); }
    std::shared_ptr<T> remove(const std::shared_ptr<T>& item) { return remove(item.get()); }

    bool contains(const T* item) const { return find(item) != nullptr; }

    // Removes every element. Walks in progress end after their current element.
    void clear() {
        for (Node* n = head_.get(); n; n = n->next.get()) {
            n->owner = nullptr;
            n->prev = nullptr;
        }
        // Severs the chain node by node so that a long list is not freed recursively.
        std::shared_ptr<Node> cur = std::move(head_);
        while (cur) {
            std::shared_ptr<Node> nx = std::move(cur->next);
            cur = std::move(nx);
        }
        tail_ = nullptr;
        size_ = 0;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::shared_ptr<T> front() const { return head_ ? head_->value : nullptr; }
    std::shared_ptr<T> back() const { return tail_ ? tail_->value : nullptr; }

    iterator begin() const { return iterator(firstLive(head_, seq_), seq_); }
    iterator end() const { return iterator(); }

    // Calls fn on every element (see the walk rules above). fn takes T& or
    // const std::shared_ptr<T>&.
    template <class F>
    void forEach(F&& fn) const {
        for (auto it = begin(); it != end(); ++it) {
            std::shared_ptr<T> item = *it;  // alive for the whole call
            if constexpr (std::is_invocable_v<F&, T&>) {
                fn(*item);
            } else {
                fn(item);
            }
        }
    }

    // The first element, in list order, for which pred holds; null when none.
    template <class P>
    std::shared_ptr<T> findIf(P&& pred) const {
        for (auto it = begin(); it != end(); ++it) {
            std::shared_ptr<T> item = *it;
            if (pred(*item)) return item;
        }
        return nullptr;
    }

    // A copy of the elements in list order.
    std::vector<std::shared_ptr<T>> toVector() const {
        std::vector<std::shared_ptr<T>> out;
        out.reserve(size_);
        for (Node* n = head_.get(); n; n = n->next.get()) out.push_back(n->value);
        return out;
    }

private:
    std::shared_ptr<Node> makeNode(std::shared_ptr<T> item) {
        auto n = std::make_shared<Node>();
        n->value = std::move(item);
        n->owner = this;
        n->seq = ++seq_;
        ++size_;
        return n;
    }

    // n itself when live, else the first live node reachable forward from it.
    static std::shared_ptr<Node> firstLive(std::shared_ptr<Node> n, std::uint64_t limit) {
        while (n) {
            if (n->seq > limit) return nullptr;  // added after the walk began: so is all behind it
            if (n->owner) return n;
            n = n->next;
        }
        return nullptr;
    }

    Node* find(const T* item) const {
        for (Node* n = head_.get(); n; n = n->next.get()) {
            if (n->value.get() == item) return n;
        }
        return nullptr;
    }

    std::shared_ptr<T> unlink(Node* n) {
        if (!n || n->owner != this) return nullptr;
        std::shared_ptr<Node> self = n->prev ? n->prev->next : head_;  // keeps n alive here
        std::shared_ptr<T> value = n->value;
        if (n->next) {
            n->next->prev = n->prev;
        } else {
            tail_ = n->prev;
        }
        if (n->prev) {
            n->prev->next = n->next;
        } else {
            head_ = n->next;
        }
        // n->next stays: a walk standing on n continues from there.
        n->prev = nullptr;
        n->owner = nullptr;
        --size_;
        return value;
    }

    std::shared_ptr<Node> head_;
    Node* tail_ = nullptr;
    std::size_t size_ = 0;
    std::uint64_t seq_ = 0;
};
