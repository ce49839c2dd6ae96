# Writes a C++ source holding the bytes of data files, so the programs need nothing at run time.
# Run as: cmake -DOUTPUT=file.cpp -DINPUT_DIR=dir -DFILES=a.txt,b.txt -P embed_files.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(arrays "")
set(entries "")
set(index 0)
foreach(name IN LISTS FILES)
    file(READ "${INPUT_DIR}/${name}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char kFile${index}[] = {${bytes}0};\n")
    string(APPEND entries "    {\"${name}\", Bytes(kFile${index}, ${size})},\n")
    math(EXPR index "${index} + 1")
endforeach()

file(CONFIGURE OUTPUT "${OUTPUT}.tmp" @ONLY CONTENT [=[
// Generated at build time by engine/data/embed_files.cmake; do not edit.
#include "engine/words/embedded_data.h"

namespace orvanta {
namespace {

std::string_view Bytes(const unsigned char* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

@arrays@
} // namespace

const std::vector<EmbeddedFile>& CommonWordFiles() {
    static const std::vector<EmbeddedFile> files = {
@entries@    };
    return files;
}

} // namespace orvanta
]=])
# Only touch the output when it changes, so dependants are not rebuilt for nothing.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
