#pragma once

#include <cstdint>
#include <new>
#include <utility>

#include "allocation.h"
#include "runtime_error.h"

// A list addressed 1 to n with an index test at every access. Its storage comes from the
// allocation service and always holds exactly `Count()` elements.
template <typename T>
class OneBasedList {
  public:
    OneBasedList() = default;
    OneBasedList(const OneBasedList&) = delete;
    OneBasedList& operator=(const OneBasedList&) = delete;
    ~OneBasedList() { Release(); }

    std::int32_t Count() const { return count_; }

    // Index below 1 is reported before index above the count.
    const T& At(std::int32_t index) const {
        if (index < 1) ReportRuntimeError(kIndexBelowOne, kIndexBelowOneMessage);
        if (index > count_) ReportRuntimeError(kIndexAboveCount, kIndexAboveCountMessage);
        return items_[index - 1];
    }

    void Append(T item) {
        const std::int32_t grown = count_ + 1;
        T* storage = static_cast<T*>(AllocateBytes(sizeof(T) * std::size_t(grown)));
        for (std::int32_t i = 0; i < count_; ++i) {
            new (storage + i) T(std::move(items_[i]));
            items_[i].~T();
        }
        new (storage + count_) T(std::move(item));
        ReleaseBytes(items_);
        items_ = storage;
        count_ = grown;
    }

    // Releases the elements in index order, then the storage; the list is empty after.
    void Release() {
        for (std::int32_t i = 0; i < count_; ++i)
            items_[i].~T();
        ReleaseBytes(items_);
        items_ = nullptr;
        count_ = 0;
    }

    // Swaps contents, so a new list can be built completely before the old one goes.
    void Swap(OneBasedList& other) noexcept {
        std::swap(items_, other.items_);
        std::swap(count_, other.count_);
    }

  private:
    T* items_ = nullptr;
    std::int32_t count_ = 0;
};
