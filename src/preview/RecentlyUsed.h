#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// What the preview works out once per zoom level (a dot's mask, how its cell is laid out), kept for the
// few zoom levels used last: zooming back and forth between neighbouring radii finds them ready. Safe to
// use from any thread; a value handed out stays valid while its holder keeps it.
template <typename Key, typename Value> class RecentlyUsed {
public:
    explicit RecentlyUsed(std::size_t capacity) : capacity_(capacity) {}

    // The value for `key`, made by `make(key)` when it is not kept.
    template <typename Make> std::shared_ptr<const Value> get(const Key &key, Make make)
    {
        const std::lock_guard lock(guard_);
        auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&key](const auto &entry) { return entry.first == key; });
        if (found == entries_.end()) {
            if (entries_.size() == capacity_) {
                entries_.pop_back();
            }
            entries_.emplace_back(key, make(key));
            found = entries_.end() - 1;
        }
        // Most recently used first.
        std::rotate(entries_.begin(), found, found + 1);
        return entries_.front().second;
    }

private:
    std::size_t capacity_;
    std::mutex guard_;
    std::vector<std::pair<Key, std::shared_ptr<const Value>>> entries_;
};
