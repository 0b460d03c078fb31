#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "SpeechBackend.h"
#include "SpeechLog.h"

namespace {

struct Reports {
    QList<UserText> messages;
    UserReport sink() {
        return [this](const UserText& m) { messages.append(m); };
    }
};

QString libraryIn(const QString& dir, const char16_t* name) {
    return QDir(dir).filePath(speechLibraryFileName(QString::fromUtf16(name)));
}

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Puts a new file in place, as an installer or a copy does.
void putFile(const QString& file, const QByteArray& bytes) {
    QFile::remove(file);
    QDir(file).removeRecursively();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The library's ELF header names another processor than the one it was built for.
QByteArray forAnotherProcessor(QByteArray library) {
    constexpr int kMachine = 18;  // e_machine, after e_ident, e_type
    constexpr char kX86_64 = 62, kAArch64 = char(183);
    library[kMachine] = library[kMachine] == kX86_64 ? kAArch64 : kX86_64;
    library[kMachine + 1] = 0;
    return library;
}

void expectReported(const UserText& m, const QString& file, const QString& english,
                    const QString& russian) {
    EXPECT_TRUE(m.english.startsWith(u"English speech is unavailable: "_qs + file))
        << qPrintable(m.english);
    EXPECT_TRUE(m.english.contains(english)) << qPrintable(m.english);
    EXPECT_TRUE(m.russian.startsWith(u"Английская речь недоступна: "_qs + file))
        << qPrintable(m.russian);
    EXPECT_TRUE(m.russian.contains(russian)) << qPrintable(m.russian);
}

}  // namespace

TEST(SpeechBackends, CallTheLibraryOfEachLanguage) {
    SpeechLog log;
    Reports reports;
    SpeechBackends speech(recordingSpeechDir(), reports.sink());
    EXPECT_TRUE(speech.Eng.Speak());
    EXPECT_TRUE(speech.Voice.Speak());
    EXPECT_TRUE(speech.Eng.Speak());
    EXPECT_EQ(log.calls(), (QStringList{u"Eng"_qs, u"Voice"_qs, u"Eng"_qs}));
    EXPECT_TRUE(reports.messages.isEmpty());
}

// Each damaged file is refused without harm to the program, told once in both
// languages, and the good file is taken up at the next call once it is back.
TEST(SpeechBackends, DamagedLibraryIsRefusedReportedOnceAndReplaceable) {
    const QByteArray good = bytesOf(libraryIn(recordingSpeechDir(), u"Eng"));
    ASSERT_GT(good.size(), 4096);
    // Files no real library is: reading them whole would wait forever or run
    // out of memory.
    const auto pipe = [](const QString& file) {
        ASSERT_EQ(mkfifo(QFile::encodeName(file), 0600), 0);
    };
    const auto folder = [](const QString& file) { ASSERT_TRUE(QDir().mkdir(file)); };
    const auto sparse = [](const QString& file) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64(30) << 30));
    };
    struct Damage {
        const char* what;
        QByteArray file;
        QString english, russian;
        std::function<void(const QString&)> make = {};
    } damages[] = {
        {"missing", {}, u"the file does not exist"_qs, u"файл не найден"_qs},
        {"cut short", good.left(good.size() / 2), u"the file is cut short"_qs, u"файл обрезан"_qs},
        {"text", "Speak() { say the time }\n", u"the file is not a shared library"_qs,
         u"не является разделяемой библиотекой"_qs},
        {"other processor", forAnotherProcessor(good), u"built for another kind of processor"_qs,
         u"собрана для процессора другого типа"_qs},
        {"no Speak", bytesOf(libraryIn(speechWithoutSpeakDir(), u"Eng")),
         u"the library has no Speak function"_qs, u"в библиотеке нет функции Speak"_qs},
        {"pipe", {}, u"it is not a regular file"_qs, u"это не обычный файл"_qs, pipe},
        {"folder", {}, u"it is a folder, not a file"_qs, u"это папка, а не файл"_qs, folder},
        {"30 GB",
         {},
         u"it is larger than any such file"_qs,
         u"он больше любого такого файла"_qs,
         sparse},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        SpeechLog log;
        QTemporaryDir dir;
        const QString file = libraryIn(dir.path(), u"Eng");
        if (!damage.file.isNull()) putFile(file, damage.file);
        if (damage.make) damage.make(file);
        Reports reports;
        SpeechBackends speech(dir.path(), reports.sink());

        EXPECT_FALSE(speech.Eng.Speak());
        EXPECT_FALSE(speech.Eng.Speak());
        ASSERT_EQ(reports.messages.size(), 1);
        expectReported(reports.messages[0], file, damage.english, damage.russian);

        putFile(file, good);
        EXPECT_TRUE(speech.Eng.Speak());
        EXPECT_EQ(log.calls(), QStringList{u"Eng"_qs});
        EXPECT_EQ(reports.messages.size(), 1);
    }
}

TEST(SpeechBackends, FailingSpeechIsReportedOncePerStreakInBothLanguages) {
    SpeechLog log;
    Reports reports;
    SpeechBackends speech(recordingSpeechDir(), reports.sink());
    SpeechLog::setResult(1);
    EXPECT_FALSE(speech.Voice.Speak());
    EXPECT_FALSE(speech.Voice.Speak());
    ASSERT_EQ(reports.messages.size(), 1);
    EXPECT_TRUE(reports.messages[0].english.startsWith(u"Russian speech is unavailable"));
    EXPECT_TRUE(reports.messages[0].english.contains(u"no sound device is available (code 1)"));
    EXPECT_TRUE(reports.messages[0].russian.startsWith(u"Русская речь недоступна"));
    EXPECT_TRUE(
        reports.messages[0].russian.contains(u"нет доступного звукового устройства (код 1)"));

    SpeechLog::setResult(0);
    EXPECT_TRUE(speech.Voice.Speak());
    SpeechLog::setResult(3);
    EXPECT_FALSE(speech.Voice.Speak());
    EXPECT_FALSE(speech.Eng.Speak());  // the other language has its own streak
    ASSERT_EQ(reports.messages.size(), 3);
    EXPECT_TRUE(reports.messages[1].english.contains(u"the speech synthesizer failed (code 3)"));
    EXPECT_TRUE(reports.messages[1].russian.contains(u"сбой синтезатора речи (код 3)"));
    EXPECT_EQ(log.calls().size(), 5);
}
