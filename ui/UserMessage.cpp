#include "UserMessage.h"

#include <QMessageBox>
#include <cstdio>

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

UserReport UserMessages::reporter() const {
    return
        [this](const UserText& text) { tellUser(text, language_ ? language_->text() : QString()); };
}
