#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "catalog/compiled_catalogs.h"
#include "catalog/localized.h"
#include "catalog/mo_file.h"
#include "support/japanese_text.h"

namespace kalvenor {
namespace {

// A language switch that ends with the test.
class DisplayLanguageScope {
  public:
    explicit DisplayLanguageScope(Language language) : previous_(displayLanguage()) {
        setDisplayLanguage(language);
    }
    ~DisplayLanguageScope() { setDisplayLanguage(previous_); }

  private:
    Language previous_;
};

TEST(Localized, JapaneseIsTheSourceAndEnglishComesFromTheCatalog) {
    EXPECT_EQ(localized("対人戦", Language::Japanese), "対人戦");
    EXPECT_EQ(localized("対人戦", Language::English), "Two players");
    EXPECT_EQ(localized("not in the catalog", Language::English), "not in the catalog");
    {
        const DisplayLanguageScope english(Language::English);
        EXPECT_EQ(localized("一手進む"), "Step");
        EXPECT_EQ(localizedFormat("%s\nは既に存在します。上書きしますか？", "a.gd"),
                  "a.gd\nalready exists. Do you want to replace it?");
    }
    EXPECT_EQ(localized("一手進む"), "一手進む");
    EXPECT_EQ(localizedFormat("%s\nは既に存在します。上書きしますか？", "a.gd"),
              "a.gd\nは既に存在します。上書きしますか？");
}

// Every English text reads without Japanese, and is the translation of one text alone, so that a
// window switched back to Japanese shows what it showed before.
TEST(Localized, EveryEnglishTextReadsWithoutJapaneseAndLeadsBack) {
    const auto messages = readMoFile(englishMoBytes());
    EXPECT_GT(messages.size(), 80u);
    std::set<std::string_view> translations;
    for (const auto& [japanese, english] : messages) {
        EXPECT_EQ(testing::firstJapaneseCharacter(english), std::nullopt) << japanese << " -> " << english;
        EXPECT_TRUE(translations.insert(english).second) << english;
        EXPECT_EQ(retranslated(english, Language::English, Language::Japanese), japanese);
    }
}

TEST(Language, FollowsTheLocaleAndFallsBackToJapanese) {
    for (const char* japanese : {"", "C", "POSIX", "C.UTF-8", "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP@euro"}) {
        EXPECT_EQ(languageOfLocale(japanese), Language::Japanese) << japanese;
    }
    for (const char* english : {"en_US.UTF-8", "en", "de_DE.UTF-8", "fr", "jam"}) {
        EXPECT_EQ(languageOfLocale(english), Language::English) << english;
    }
    EXPECT_EQ(languageFromCode("ja"), Language::Japanese);
    EXPECT_EQ(languageFromCode("en"), Language::English);
    EXPECT_EQ(languageFromCode("EN"), std::nullopt);
    EXPECT_EQ(languageCode(Language::English), "en");
}

// A .mo file of one message, in either byte order.
std::vector<unsigned char> moFile(bool bigEndian) {
    std::vector<unsigned char> bytes;
    const auto word = [&](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            const int shift = bigEndian ? 24 - 8 * i : 8 * i;
            bytes.push_back(static_cast<unsigned char>(value >> shift));
        }
    };
    // Header, then the descriptors of the originals (at 28) and translations (at 36), then text.
    for (const std::uint32_t value : {0x950412deu, 0u, 1u, 28u, 36u, 0u, 0u, 3u, 44u, 4u, 48u}) {
        word(value);
    }
    for (const char c : std::string_view("abc\0ABCD\0", 9)) {
        bytes.push_back(static_cast<unsigned char>(c));
    }
    return bytes;
}

TEST(MoFile, ReadsBothByteOrdersAndRefusesWhatDoesNotFit) {
    for (const bool bigEndian : {false, true}) {
        const auto bytes = moFile(bigEndian);
        const auto messages = readMoFile(bytes);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages.at("abc"), "ABCD");
        // Cut anywhere, or with another magic number, the file holds nothing.
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            EXPECT_TRUE(readMoFile(std::span(bytes).first(size)).empty()) << size;
        }
        auto wrongMagic = bytes;
        wrongMagic[1] ^= 0xFF;
        EXPECT_TRUE(readMoFile(wrongMagic).empty());
    }
}

}  // namespace
}  // namespace kalvenor
