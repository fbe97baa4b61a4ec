// A list whose visible length can shrink without losing entries: entries past the length stay stored and
// come back unchanged when the length grows again. New entries start as default values (empty texts).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace kelvaron {

template <typename T> class KeptList {
public:
    explicit KeptList(std::int32_t length = 0) { setLength(length); }

    [[nodiscard]] std::int32_t length() const { return length_; }

    // A length of 0 or less leaves no visible entries. REQUIRES: the caller has bounded the length.
    void setLength(std::int32_t length) {
        length_ = length < 0 ? 0 : length;
        if (static_cast<std::size_t>(length_) > stored_.size())
            stored_.resize(static_cast<std::size_t>(length_));
    }

    // Entry `position`, counted from 1 as the program counts arms and centers. REQUIRES: 1 <= position <=
    // length.
    [[nodiscard]] T& at(std::int32_t position) { return stored_[static_cast<std::size_t>(position - 1)]; }
    [[nodiscard]] const T& at(std::int32_t position) const {
        return stored_[static_cast<std::size_t>(position - 1)];
    }
    [[nodiscard]] bool contains(std::int32_t position) const { return position >= 1 && position <= length_; }

    // Sets one field of entry `position` when the list has that entry (a grid's row 0 selects none).
    // Returns whether it did.
    template <typename Field, typename Value>
    bool store(std::int32_t position, Field T::*field, Value&& value) {
        if (!contains(position))
            return false;
        at(position).*field = std::forward<Value>(value);
        return true;
    }

    [[nodiscard]] std::span<T> visible() { return {stored_.data(), static_cast<std::size_t>(length_)}; }
    [[nodiscard]] std::span<const T> visible() const {
        return {stored_.data(), static_cast<std::size_t>(length_)};
    }

    bool operator==(const KeptList&) const = default;

private:
    std::vector<T> stored_;
    std::int32_t length_ = 0;
};

} // namespace kelvaron
