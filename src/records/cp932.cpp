#include "records/cp932.h"

#include <iconv.h>

#include <array>
#include <cerrno>

namespace kalvenor {

namespace {

// One conversion descriptor, closed on every path out.
class Converter {
  public:
    Converter() : descriptor_(iconv_open("CP932", "UTF-8")) {}
    ~Converter() {
        if (valid()) {
            iconv_close(descriptor_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return descriptor_; }

  private:
    iconv_t descriptor_;
};

}  // namespace

std::optional<std::string> encodeCp932(std::string_view utf8) {
    Converter converter;
    if (!converter.valid()) {
        return std::nullopt;
    }
    std::string encoded;
    encoded.reserve(utf8.size());

    // iconv's interface takes non-const pointers but does not write through the input one.
    char* input = const_cast<char*>(utf8.data());
    std::size_t inputLeft = utf8.size();
    std::array<char, 256> chunk{};
    while (inputLeft > 0) {
        char* output = chunk.data();
        std::size_t outputLeft = chunk.size();
        const std::size_t converted = iconv(converter.get(), &input, &inputLeft, &output, &outputLeft);
        encoded.append(chunk.data(), chunk.size() - outputLeft);
        if (converted == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ: not UTF-8 or not in code page 932; EINVAL: a sequence cut at the end.
            return std::nullopt;
        }
    }
    return encoded;
}

}  // namespace kalvenor
