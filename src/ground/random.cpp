#include "ground/random.h"

#include <chrono>

namespace corvessa {

void RandomGenerator::Randomize() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    seed_ = uint32_t(duration_cast<milliseconds>(sinceMidnight).count());
}

}  // namespace corvessa
