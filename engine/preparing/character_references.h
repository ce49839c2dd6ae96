#pragma once

#include <string>

namespace orvanta {

// Replaces, in one left-to-right pass, every character reference in a line that is already
// lower-cased and has been through the fixed entity and tag replacements (and not yet through
// the accent folding):
// - named: "&name;" where the name is one of HTML's named references (compared lower-cased);
// - numeric: "&#digits;" or "&#xhex;", any number of digits. 0, a surrogate or a number above
//   U+10FFFF stands for U+FFFD.
// What takes its place depends on the referenced text, lower-cased: a single letter a-z stays that
// letter, an accented letter that the engine folds becomes its plain letters ("&#228;" gives
// "ae"), any other single letter or mark (Latin or of another script: "&#1046;" gives "ж") is
// written as that character, and anything else (symbols, markup characters, several characters)
// becomes one space, so "&lt;b&gt;" can never form a tag and "&rsquo;" yields no word. The pass
// does not look again at what it wrote. An "&" that starts no reference stays as written.
//
// No replacement is longer than the reference, so the line shrinks in place; nothing is
// allocated. Returns true when a reference was replaced.
bool ReplaceCharacterReferences(std::string& utf8Line);
bool ReplaceCharacterReferences(std::u32string& line);

} // namespace orvanta
