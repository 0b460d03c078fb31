#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <set>
#include <string>

#include "LoadedSpeechLibrary.h"
#include "SpeakStatus.h"

namespace {

const char* const kLibraries[] = {ENG_LIBRARY, VOICE_LIBRARY};

// The names a shared library defines in its dynamic symbol table.
std::set<std::string> exportedNames(const char* library) {
    QProcess nm;
    nm.start(QStringLiteral("nm"),
             {QStringLiteral("-D"), QStringLiteral("--defined-only"), QString::fromUtf8(library)});
    EXPECT_TRUE(nm.waitForFinished()) << "nm is part of binutils, which the compiler needs";
    std::set<std::string> names;
    for (const QString& line : QString::fromUtf8(nm.readAllStandardOutput()).split('\n')) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        if (fields.size() == 3) names.insert(fields[2].toStdString());
    }
    return names;
}

}  // namespace

TEST(SpeechLibraries, ExportSpeakAndSpeakErrorTextAndNothingElse) {
    for (const char* library : kLibraries)
        EXPECT_EQ(exportedNames(library), (std::set<std::string>{"Speak", "SpeakErrorText"}))
            << library;
}

TEST(SpeechLibraries, EveryCodeHasAShortTextAndUnknownCodesAGenericOne) {
    using horalo::speech::SpeakStatus;
    for (const char* path : kLibraries) {
        const LoadedSpeechLibrary library(path);
        ASSERT_TRUE(library.loaded()) << library.error().toStdString();
        std::set<std::string> texts;
        for (int code = 0; code <= static_cast<int>(SpeakStatus::WordingFailed); ++code) {
            const char* text = library.errorText(code);
            ASSERT_NE(text, nullptr);
            EXPECT_GT(std::string(text).size(), 5u);
            EXPECT_LT(std::string(text).size(), 80u);
            texts.insert(text);
        }
        EXPECT_EQ(texts.size(), 6u) << "two codes share a text";
        const std::string unknown = library.errorText(-1);
        EXPECT_EQ(unknown, library.errorText(6));
        EXPECT_EQ(unknown, library.errorText(1 << 20));
        EXPECT_EQ(texts.count(unknown), 0u);
    }
}
