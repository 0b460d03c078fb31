#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>
#include <iterator>

#include "UserText.h"

namespace {

// Qt's own words of the help and of its messages, in Russian. Qt asks the
// installed translators for every text the parser shows.
class RussianParserWords : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const struct {
            const char* english;
            const char16_t* russian;
        } words[] = {
            {"Usage: %1", u"Использование: %1"},
            {"[options]", u"[параметры]"},
            {"Options:", u"Параметры:"},
            {"Displays help on commandline options.", u"Показывает справку по параметрам."},
            {"Displays help including Qt specific options.",
             u"Показывает справку вместе с параметрами Qt."},
            {"Displays version information.", u"Показывает версию программы."},
            {"Unknown option '%1'.", u"Неизвестный параметр «%1»."},
            {"Unknown options: %1.", u"Неизвестные параметры: %1."},
            {"Missing value after '%1'.", u"Нет значения после «%1»."},
            {"Unexpected value after '%1'.", u"Лишнее значение после «%1»."},
        };
        if (qstrcmp(context, "QCommandLineParser") != 0) return {};
        for (const auto& [english, russian] : words)
            if (qstrcmp(source, english) == 0) return QString::fromUtf16(russian);
        return {};
    }
};

void tell(const UserText& text, const QString& language) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                 qUtf8Printable(text.in(language)));
}

}  // namespace

std::optional<SingleInstance::Request> readCommandLine(const std::function<QString()>& language) {
    const QStringList arguments = QCoreApplication::arguments();
    // No argument is what a start has always been, without a look at the settings.
    if (arguments.size() <= 1) return SingleInstance::Request::Show;

    const QString code = language();
    RussianParserWords russian;
    if (code == u"rus") QCoreApplication::installTranslator(&russian);
    const auto text = [&code](const UserText& both) { return both.in(code); };

    QCommandLineParser parser;
    parser.setApplicationDescription(
        text({u"Horalo, the talking clock. Without an option it starts the clock, or brings the "
              "running clock's window up."_qs,
              u"Хорало, говорящие часы. Без параметров запускает часы или показывает окно уже "
              "запущенных часов."_qs}));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption sayTime(
        {u"s"_qs, u"say-time"_qs},
        text({u"The running clock says the time now, as its Say Time does; with none running, "
              "starts the clock, which says the time as it starts."_qs,
              u"Запущенные часы сразу называют время, как по «Сказать время»; если часы не "
              "запущены, запускает их, и они называют время при запуске."_qs}));
    const QCommandLineOption show(
        u"show"_qs, text({u"Brings the running clock's window up; with none running, starts the "
                          "clock."_qs,
                          u"Показывает окно запущенных часов; если часы не запущены, запускает "
                          "их."_qs}));
    parser.addOptions({sayTime, show});
    // Help, version and an unknown option are answered as every Qt program answers them.
    parser.process(arguments);

    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty()) {
        tell(UserText{u"Unexpected argument \"%1\". See \"horalo --help\"."_qs,
                      u"Лишний аргумент «%1». См. «horalo --help»."_qs}
                 .arg(stray.first()),
             code);
        return std::nullopt;
    }
    if (parser.isSet(sayTime) && parser.isSet(show)) {
        tell({u"Give either --say-time or --show, not both."_qs,
              u"Укажите что-то одно: --say-time или --show."_qs},
             code);
        return std::nullopt;
    }
    return parser.isSet(sayTime) ? SingleInstance::Request::SayTime : SingleInstance::Request::Show;
}
