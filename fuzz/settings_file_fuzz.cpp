// Reading a settings file of any content; what was read must be written back and read again
// unchanged.
#include "core/settings_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static orvanta::fuzz::MemoryFile file;
    file.write({reinterpret_cast<const char*>(data), size});
    orvanta::core::UserSettings settings;
    (void)orvanta::core::LoadSettingsFile(file.path(), settings);
    const std::string saved = orvanta::core::FormatSettingsFile(settings);
    file.write(saved);
    orvanta::core::UserSettings again;
    orvanta::fuzz::Require(orvanta::core::LoadSettingsFile(file.path(), again) &&
                           orvanta::core::FormatSettingsFile(again) == saved);
    return 0;
}
