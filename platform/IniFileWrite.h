#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "UserText.h"

class QSettings;

// Applies `change` to the INI file `file` through QSettings and writes it
// whole, making its folder where needed. Nothing when the file then holds the
// change; otherwise the file is as it was before, and the answer says why.
std::optional<UserText> writeIniFile(const QString& file,
                                     const std::function<void(QSettings&)>& change);

// The INI contents `bytes`, parsed afresh; nothing when that cannot be done.
// Within one process QSettings keeps one image per path, and after a failed
// write that image still holds the unwritten values: it shows them as stored
// and writes them at its next look at the file.
std::unique_ptr<QSettings> readIniAfresh(const QByteArray& bytes);
