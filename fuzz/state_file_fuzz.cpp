// Reading a settings file of any content; what was read must be written back and read again
// unchanged.
#include "core/state_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static orvanta::fuzz::MemoryFile file;
    file.write({reinterpret_cast<const char*>(data), size});
    orvanta::core::UserSettings settings;
    (void)orvanta::core::LoadStateFile(file.path(), settings);
    const std::string saved = orvanta::core::FormatStateFile(settings);
    file.write(saved);
    orvanta::core::UserSettings again;
    orvanta::fuzz::Require(orvanta::core::LoadStateFile(file.path(), again) &&
                           orvanta::core::FormatStateFile(again) == saved);
    return 0;
}
