#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <set>
#include <string>

#include "LoadedSpeechLibrary.h"
#include "SpeakStatus.h"

namespace {

const char* const kLibraries[] = {ENG_LIBRARY, VOICE_LIBRARY};

// What a binutils tool prints of a library, line by line.
QStringList toolLines(const char* tool, const QStringList& arguments, const char* library) {
    QProcess process;
    process.start(QString::fromUtf8(tool), arguments + QStringList{QString::fromUtf8(library)});
    EXPECT_TRUE(process.waitForFinished())
        << tool << " is part of binutils, which the compiler needs";
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// The names a shared library defines in its dynamic symbol table.
std::set<std::string> exportedNames(const char* library) {
    std::set<std::string> names;
    for (const QString& line : toolLines("nm", {"-D", "--defined-only"}, library)) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        if (fields.size() == 3) names.insert(fields[2].toStdString());
    }
    return names;
}

// The libraries a library needs of its own and where it looks for them, as
// readelf -d shows them: "NEEDED libm.so.6", "RUNPATH $ORIGIN".
std::set<std::string> dependencies(const char* library) {
    static const QRegularExpression entry(QStringLiteral(R"(\((NEEDED|RUNPATH)\).*\[(.*)\])"));
    std::set<std::string> found;
    for (const QString& line : toolLines("readelf", {"-d"}, library))
        if (const QRegularExpressionMatch match = entry.match(line); match.hasMatch())
            found.insert((match.captured(1) + ' ' + match.captured(2)).toStdString());
    return found;
}

}  // namespace

TEST(SpeechLibraries, ExportSpeakAndSpeakErrorTextAndNothingElse) {
    for (const char* library : kLibraries)
        EXPECT_EQ(exportedNames(library), (std::set<std::string>{"Speak", "SpeakErrorText"}))
            << library;
}

// One speech runtime, found beside the libraries, holds the one player of the
// process that both speak through.
TEST(SpeechLibraries, BothNeedTheOneSpeechRuntimeBesideThem) {
    for (const char* library : kLibraries) {
        const std::set<std::string> needs = dependencies(library);
        EXPECT_EQ(needs.count("NEEDED libHoraloSpeech.so"), 1u) << library;
        EXPECT_EQ(needs.count("RUNPATH $ORIGIN"), 1u) << library;
    }
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
