#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <thread>
#include <vector>

namespace kalvenor::detail {

// Calls work(i, result) for each i of [begin, end), each with a fresh Result, and take(i, result)
// in increasing order of i, until take returns false; false when it did. From `twoCoresFrom`
// items on, on a machine with a second core, the items go in pairs of runs of `run` items: while
// this thread works and takes the first run, a second thread works the next into results kept
// until the first has been taken. The answer is the one a single thread gives, and no more than
// `run` results are kept. work must only read what it shares with other calls of it.
template <typename Result, typename Work, typename Take>
bool forEachInOrderOnTwoCores(std::int32_t begin, std::int32_t end, std::int32_t twoCoresFrom,
                              std::int32_t run, const Work& work, const Take& take) {
    const auto alone = [&](std::int32_t from, std::int32_t to) {
        for (std::int32_t i = from; i < to; ++i) {
            Result result{};
            work(i, result);
            if (!take(i, result)) {
                return false;
            }
        }
        return true;
    };
    if (end - begin < twoCoresFrom || std::thread::hardware_concurrency() < 2) {
        return alone(begin, end);
    }
    std::vector<Result> later(static_cast<std::size_t>(run));
    for (std::int32_t first = begin; first < end; first += 2 * run) {
        const std::int32_t middle = std::min(first + run, end);
        const std::int32_t last = std::min(middle + run, end);
        std::fill(later.begin(), later.end(), Result{});
        {
            // Left early (take said no, or threw), the helper is told to stop and joined as it goes.
            std::jthread helper([&](const std::stop_token& stop) {
                for (std::int32_t i = middle; i < last && !stop.stop_requested(); ++i) {
                    work(i, later[static_cast<std::size_t>(i - middle)]);
                }
            });
            if (!alone(first, middle)) {
                return false;
            }
            helper.join();  // every later result, before any is taken
        }
        for (std::int32_t i = middle; i < last; ++i) {
            if (!take(i, later[static_cast<std::size_t>(i - middle)])) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace kalvenor::detail
