#pragma once
// What every fuzz target shares: a check that stops the run with the input's
// fault described (libFuzzer then keeps the input as a crash), and a scratch
// folder for targets whose readers take a path rather than bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The entry point of every target, called once per input by libFuzzer or by
// the replay runner of the test suite.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace dealmoor::fuzz {

// Prints where and why, then aborts.
[[noreturn]] void Fail(const char* file, int line, const char* condition, const std::string& why);

// A folder of this process's own, on a memory file system when there is one,
// removed when the process ends normally.
const std::string& ScratchFolder();

// Writes `bytes` to ScratchFolder() + name, replacing what was there; returns the path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);

// The whole file, or "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);

} // namespace dealmoor::fuzz

#define FUZZ_CHECK(condition, why)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            ::dealmoor::fuzz::Fail(__FILE__, __LINE__, #condition, (why));                         \
        }                                                                                          \
    } while (false)
