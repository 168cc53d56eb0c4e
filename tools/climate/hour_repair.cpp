#include "hour_repair.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <set>
#include <tuple>

namespace heatwise::climate {

namespace {

constexpr int kHoursPerDay = 24;

// Mathematical floor of a quotient with a positive divisor, also for negative numerators.
long long FloorDivide(long long numerator, long long divisor) {
    long long quotient = numerator / divisor;
    if (numerator % divisor != 0 && numerator < 0) {
        --quotient;
    }
    return quotient;
}

// The value at hour `position` (1..length) of a run of `length` hours on the straight line from
// `before` to `after`, the hours just outside the run, to the nearest tenth, halves upward.
int OnTheLine(int before, int after, int position, int length) {
    const long long steps = length + 1;
    const long long twice = 2 * (static_cast<long long>(before) * (steps - position) +
                                 static_cast<long long>(after) * position);
    return static_cast<int>(FloorDivide(twice + steps, 2 * steps));
}

// A run of hours that may be a fault: `first` to `last`, 0-based and inclusive, and how far all
// of its hours lie beyond both hours around it.
struct Candidate {
    int first = 0;
    int last = -1;
    int depth = 0;

    int length() const { return last - first + 1; }
};

// The candidates in the order they are repaired: the longest first, of equal length the
// deepest, then the earliest. A long fault is taken whole before any short run inside it or
// next to it, so a stray value on the way back from a fault goes with the fault.
struct RepairOrder {
    bool operator()(const Candidate& a, const Candidate& b) const {
        return std::tuple(-a.length(), -a.depth, a.first) <
               std::tuple(-b.length(), -b.depth, b.first);
    }
};

class FaultSearch {
  public:
    explicit FaultSearch(std::span<const int> read)
        : read_(read),
          values_(read.begin(), read.end()),
          usual_(read.size(), kNotWorkedOut),
          faulty_(read.size(), false),
          best_(read.size()) {}

    // Repairs candidates, one at a time, until none is left. Each repair straightens the hours
    // from the one before the run to the one after it, which shortens the path of the year's
    // temperatures by at least twice the fault depth, so the search ends.
    void RepairAll() {
        const int count = static_cast<int>(values_.size());
        for (int first = 1; first + 1 < count; ++first) {
            Renew(first);
        }
        while (!queue_.empty()) {
            const Candidate fault = *queue_.begin();
            Straighten(fault);
            for (int first = std::max(1, fault.first - kLongestFaultHours);
                 first <= std::min(count - 2, fault.last + 1); ++first) {
                Renew(first);
            }
        }
    }

    const std::vector<bool>& faulty() const { return faulty_; }

  private:
    // The longest candidate that starts at `first` (the longest only: a shorter one from the
    // same start lies inside it).
    Candidate LongestFrom(int first) const {
        const int count = static_cast<int>(values_.size());
        Candidate longest;
        int coldest = values_[first];
        int warmest = values_[first];
        for (int last = first; last <= std::min(count - 2, first + kLongestFaultHours - 1);
             ++last) {
            coldest = std::min(coldest, values_[last]);
            warmest = std::max(warmest, values_[last]);
            const int before = values_[first - 1];
            const int after = values_[last + 1];
            const int depth =
                std::max(std::min(before, after) - warmest, coldest - std::max(before, after));
            if (depth >= kFaultDepthTenths && LeadsTowardUsual(first, last)) {
                longest = Candidate{first, last, depth};
            }
        }
        return longest;
    }

    // Whether the straight line between the hours around the run lies nearer the usual
    // temperatures than the run does. A run that jumps back toward the usual weather, such as
    // the good hours between two faults or a warm spell within a cold snap, is not a fault.
    bool LeadsTowardUsual(int first, int last) const {
        const int length = last - first + 1;
        long long run_distance = 0;
        long long line_distance = 0;
        for (int hour = first; hour <= last; ++hour) {
            const int line =
                OnTheLine(values_[first - 1], values_[last + 1], hour - first + 1, length);
            run_distance += std::abs(values_[hour] - Usual(hour));
            line_distance += std::abs(line - Usual(hour));
        }
        return line_distance < run_distance;
    }

    // The usual temperatures come from the readings as read, faults and all: a median of 31
    // days is not moved by a few faulty hours. Only the few hours of runs deep enough to be
    // faults need them, so each is worked out when first asked for.
    int Usual(int hour) const {
        int& usual = usual_[hour];
        if (usual == kNotWorkedOut) {
            usual = UsualTemperature(read_, hour);
        }
        return usual;
    }

    void Renew(int first) {
        Candidate& held = best_[first];
        if (held.length() > 0) {
            queue_.erase(held);
        }
        held = LongestFrom(first);
        if (held.length() > 0) {
            queue_.insert(held);
        }
    }

    void Straighten(const Candidate& fault) {
        for (int hour = fault.first; hour <= fault.last; ++hour) {
            values_[hour] = OnTheLine(values_[fault.first - 1], values_[fault.last + 1],
                                      hour - fault.first + 1, fault.length());
            faulty_[hour] = true;
        }
    }

    static constexpr int kNotWorkedOut = std::numeric_limits<int>::min();

    std::span<const int> read_;
    std::vector<int> values_;
    mutable std::vector<int> usual_;
    std::vector<bool> faulty_;
    std::vector<Candidate> best_;
    std::set<Candidate, RepairOrder> queue_;
};

}  // namespace

int UsualTemperature(std::span<const int> c10, int hour) {
    const int days = static_cast<int>(c10.size()) / kHoursPerDay;
    const int half = kUsualTemperatureDays / 2;
    const int start = std::clamp(hour / kHoursPerDay - half, 0, days - kUsualTemperatureDays);
    std::array<int, kUsualTemperatureDays> same_hour;
    for (int i = 0; i < kUsualTemperatureDays; ++i) {
        same_hour[i] = c10[(start + i) * kHoursPerDay + hour % kHoursPerDay];
    }
    std::nth_element(same_hour.begin(), same_hour.begin() + half, same_hour.end());
    return same_hour[half];
}

std::vector<HourRepair> FindHourRepairs(std::span<const int> c10) {
    if (c10.size() % kHoursPerDay != 0 || c10.size() < kUsualTemperatureDays * kHoursPerDay) {
        return {};
    }
    FaultSearch search(c10);
    search.RepairAll();

    // Faults found next to each other make one stretch, filled from the good hours around it.
    const std::vector<bool>& faulty = search.faulty();
    std::vector<HourRepair> repairs;
    const int count = static_cast<int>(c10.size());
    for (int first = 0; first < count; ++first) {
        if (!faulty[first]) {
            continue;
        }
        int last = first;
        while (faulty[last + 1]) {
            ++last;
        }
        const int length = last - first + 1;
        for (int hour = first; hour <= last; ++hour) {
            repairs.push_back(
                HourRepair{hour, c10[hour],
                           OnTheLine(c10[first - 1], c10[last + 1], hour - first + 1, length)});
        }
        first = last;
    }
    return repairs;
}

}  // namespace heatwise::climate
