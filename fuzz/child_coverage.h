#pragma once
// The coverage a reading child gathers, handed to the fuzzer in its parent. libFuzzer learns
// which inputs are worth keeping from the coverage counters of its own process, and a child's
// counters are the child's copy: without this, the reading in the child would count for
// nothing and the fuzzer would mutate blind.
#include <cstddef>
#include <cstdint>

namespace kestrelon::fuzz {

class ChildCoverage {
public:
    // Made before the child is forked: it shares a copy of the counters with its parent. In a
    // program without counters (the corpus replay) every step does nothing.
    ChildCoverage();
    ~ChildCoverage();
    ChildCoverage(const ChildCoverage&) = delete;
    ChildCoverage& operator=(const ChildCoverage&) = delete;

    // In the child, around the reading of one input.
    void beginRun();
    void endRun();
    // In the parent, once the child has replied: the run's counts are added to its own.
    void collect();

private:
    std::uint8_t* shared_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace kestrelon::fuzz
