#pragma once

#include <string>
#include <string_view>

namespace orvanta::text {

// Puts valid UTF-8 text into Unicode Normalization Form C (composed: "e" and a combining acute
// become "é"), as the system's ICU library does. Returns false, with out untouched, when the text
// is already in that form, which ASCII text always is.
bool ToNfc(std::string_view validUtf8, std::string& out);

// The same for text held as code points, in place.
void ToNfcInPlace(std::u32string& text);

} // namespace orvanta::text
