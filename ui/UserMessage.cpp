#include "ui/UserMessage.h"

#include <QMessageBox>
#include <cstdio>

void tellUser(const QString& text) {
    std::fprintf(stderr, "horalo: %s\n", qUtf8Printable(text));
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Horalo"), text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
