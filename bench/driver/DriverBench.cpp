#include "driver/DVBTDLL.h"
#include "driver/Driver.h"
#include "driver/ManualClock.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace std::chrono_literals;

namespace {

// The simulated card on the built-in transmitters, tuned to the panel's defaults, on a clock
// that has either run past the lock or not moved since the tuning.
class TunedCard {
public:
    explicit TunedCard(bool locked) {
        unsetenv("DVBTDLL_DEVICE");
        setenv("DVBTDLL_SIM_SEED", "1", 1);
        Driver::instance().useClock(clock);
        DVBT_INIT_IO();
        DVBT_SetChannelParams(0, 0, 2, 9);
        DVBT_SetTuningValue(593'000);
        if (locked) {
            clock->advance(2s);
        }
    }

    ~TunedCard() {
        DVBT_FREE_IO();
        Driver::instance().useClock(nullptr);
    }

private:
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
};

// One call of the worker's polling loop, while the demodulator is still acquiring and once it
// holds the lock.
void acquisitionStep(benchmark::State& state) {
    TunedCard card(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DVBT_AcquisitionTask());
    }
}
BENCHMARK(acquisitionStep)->ArgName("locked")->Arg(0)->Arg(1);

// Everything the program reads back after a lock: the channel and OFDM parameters and the
// signal report.
void readBack(benchmark::State& state) {
    TunedCard card(true);
    for (auto _ : state) {
        std::int32_t channel[4] = {0, 0, 9, 9};
        std::int32_t ofdm[6];
        std::uint16_t signalToNoise[2];
        std::uint32_t errorRates[3];
        DVBT_GetChannelParams(&channel[0], &channel[1], &channel[2], &channel[3]);
        DVBT_GetOfdmParams(&ofdm[0], &ofdm[1], &ofdm[2], &ofdm[3], &ofdm[4], &ofdm[5]);
        benchmark::DoNotOptimize(DVBT_GetLastLockFrequency());
        DVBT_GetSN(&signalToNoise[0], &signalToNoise[1]);
        DVBT_GetBer(&errorRates[0], &errorRates[1], &errorRates[2]);
        benchmark::DoNotOptimize(channel);
        benchmark::DoNotOptimize(ofdm);
        benchmark::DoNotOptimize(signalToNoise);
        benchmark::DoNotOptimize(errorRates);
    }
}
BENCHMARK(readBack);

} // namespace
