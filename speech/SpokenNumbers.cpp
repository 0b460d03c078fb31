#include "SpokenNumbers.h"

#include <unicode/locid.h>
#include <unicode/plurrule.h>
#include <unicode/rbnf.h>

namespace horalo::speech {

SpokenNumbers::SpokenNumbers(const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    spellout_ = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT,
                                                             icu::Locale(locale), status);
    if (U_FAILURE(status)) spellout_.reset();
    status = U_ZERO_ERROR;
    plurals_.reset(icu::PluralRules::forLocale(icu::Locale(locale), status));
    if (U_FAILURE(status)) plurals_.reset();
}

SpokenNumbers::~SpokenNumbers() = default;

std::optional<std::string> SpokenNumbers::cardinal(int n, const char* ruleSet) const {
    if (!spellout_) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    icu::FieldPosition position;
    icu::UnicodeString words;
    spellout_->format(static_cast<int32_t>(n), icu::UnicodeString::fromUTF8(ruleSet), words,
                      position, status);
    if (U_FAILURE(status) || words.isEmpty()) return std::nullopt;
    std::string text;
    return words.toUTF8String(text);
}

std::optional<std::string> SpokenNumbers::pluralCategory(int n) const {
    if (!plurals_) return std::nullopt;
    std::string category;
    return plurals_->select(static_cast<int32_t>(n)).toUTF8String(category);
}

}  // namespace horalo::speech
