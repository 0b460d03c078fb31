#include "UserMessage.h"

#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int kBeforeEndBoundMs = 60000;

QString languageOf(const QPointer<const QLabel>& label) {
    return label ? label->text() : QString();
}

}  // namespace

void tellUser(const QString& text) {
    std::fprintf(stderr, "horalo: %s\n", qUtf8Printable(text));
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Horalo"), text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    // An open message must not keep the program alive once the main window has closed.
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->show();
}

void tellUser(const UserText& text, const QString& languageCode) {
    tellUser(text.in(languageCode));
}

void tellUserBeforeEnd(const QString& text) {
    std::fprintf(stderr, "horalo: %s\n", qUtf8Printable(text));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Horalo"), text);
    // Nobody may be there to read it, as at the end of a session.
    QTimer::singleShot(kBeforeEndBoundMs, &box, &QMessageBox::reject);
    box.exec();
}

UserReport UserMessages::reporter() const {
    return [this](const UserText& text) { tellUser(text, languageOf(language_)); };
}

void UserMessages::tellBeforeEnd(const UserText& text) const {
    tellUserBeforeEnd(text.in(languageOf(language_)));
}
