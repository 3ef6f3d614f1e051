# cmake -DINPUT=file -DOUTPUT=file.cpp -DFUNCTION=name -P EmbedBytes.cmake: a C++ source whose
# function kalvenor::name() returns the bytes of INPUT.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
"// Generated from ${INPUT} by cmake/EmbedBytes.cmake.
#include <span>

namespace kalvenor {

namespace {
const unsigned char kBytes[] = {
    ${bytes}};
}  // namespace

std::span<const unsigned char> ${FUNCTION}() {
    return kBytes;
}

}  // namespace kalvenor
")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
