#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <set>
#include <string>

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

TEST(SpeechLibraries, ExportSpeakAndNothingElse) {
    for (const char* library : kLibraries)
        EXPECT_EQ(exportedNames(library), std::set<std::string>{"Speak"}) << library;
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
