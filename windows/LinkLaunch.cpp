#include "windows/LinkLaunch.h"

#include "ui/UserMessage.h"
#include "windows/Addresses.h"

namespace {

enum class LaunchFailure { Refused, NoProgram };

// Russian when the interface is Russian, English otherwise.
void tellLaunchFailure(LaunchFailure failure, const QString& languageCode) {
    const bool russian = languageCode == u"rus";
    if (failure == LaunchFailure::Refused)
        tellUser(russian ? QStringLiteral("Ссылку нельзя открыть: это не адрес сайта.")
                         : QStringLiteral("The link cannot be opened: it is not a web address."));
    else
        tellUser(russian ? QStringLiteral("На компьютере нет программы, открывающей эту ссылку.")
                         : QStringLiteral("No program on this computer opens this link."));
}

void open(const QUrl& url, LinkLauncher& launcher, const QString& languageCode) {
    if (!launcher.open(url)) tellLaunchFailure(LaunchFailure::NoProgram, languageCode);
}

bool hasScheme(const QString& caption, QStringView scheme) {
    return caption.startsWith(scheme, Qt::CaseInsensitive);
}

}  // namespace

std::optional<QUrl> webAddress(const QString& caption) {
    const bool named = hasScheme(caption, u"http://") || hasScheme(caption, u"https://");
    // Any other scheme ("file://", "smb://", ...) is not a web address.
    if (!named && caption.contains(u"://")) return std::nullopt;
    const QUrl url(named ? caption : u"http://"_qs + caption, QUrl::StrictMode);
    const bool web = url.scheme() == u"http" || url.scheme() == u"https";
    if (!url.isValid() || !web || url.host().isEmpty()) return std::nullopt;
    return url;
}

void LaunchWebLink(const QLabel& label, LinkLauncher& launcher, const QString& languageCode) {
    if (const auto url = webAddress(label.text()))
        open(*url, launcher, languageCode);
    else
        tellLaunchFailure(LaunchFailure::Refused, languageCode);
}

void LaunchMailLink(LinkLauncher& launcher, const QString& languageCode) {
    open(QUrl(u"mailto:"_qs + address::author), launcher, languageCode);
}
