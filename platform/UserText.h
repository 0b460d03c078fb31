#pragma once

#include <QString>
#include <functional>

// A message for the user in both interface languages. The part of the program
// that understands a failure words it; the window that shows it picks the
// language the interface is in.
struct UserText {
    QString english;
    QString russian;

    // Russian under the language code "rus", English under any other.
    const QString& in(const QString& languageCode) const {
        return languageCode == u"rus" ? russian : english;
    }

    // Fills %1, %2, ... of both texts at once, each from the text of its own
    // language; a file name that holds "%2" stays as it is.
    template <typename... Parts>
    UserText arg(const Parts&... parts) const {
        return {english.arg(englishOf(parts)...), russian.arg(russianOf(parts)...)};
    }

  private:
    static const QString& englishOf(const QString& text) { return text; }
    static const QString& englishOf(const UserText& text) { return text.english; }
    static const QString& russianOf(const QString& text) { return text; }
    static const QString& russianOf(const UserText& text) { return text.russian; }
};

// Receives a message for the user.
using UserReport = std::function<void(const UserText&)>;
