#pragma once

#include <unicode/uversion.h>

#include <memory>
#include <optional>
#include <string>

#include "SpeakStatus.h"

U_NAMESPACE_BEGIN
class PluralRules;
class RuleBasedNumberFormat;
U_NAMESPACE_END

namespace horalo::speech {

// Numbers as a language says them, from ICU's spell-out rules and plural
// rules. A locale whose data ICU lacks gives nullopt everywhere.
class HORALO_SPEECH_API SpokenNumbers {
  public:
    explicit SpokenNumbers(const char* locale);
    ~SpokenNumbers();
    SpokenNumbers(const SpokenNumbers&) = delete;
    SpokenNumbers& operator=(const SpokenNumbers&) = delete;

    // `n` in words (UTF-8) by the named ICU rule set, e.g.
    // "%spellout-cardinal-feminine".
    std::optional<std::string> cardinal(int n, const char* ruleSet) const;

    // ICU's plural category of `n`: "one", "few", "many", "other", ...
    std::optional<std::string> pluralCategory(int n) const;

  private:
    std::unique_ptr<icu::RuleBasedNumberFormat> spellout_;
    std::unique_ptr<icu::PluralRules> plurals_;
};

}  // namespace horalo::speech
