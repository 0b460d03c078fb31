#pragma once

#include <QLabel>
#include <QUrl>
#include <optional>

#include "platform/LinkLauncher.h"

// The web address a link caption stands for: an http or https address, with
// "http://" assumed when the caption names no scheme. Nothing else is accepted,
// so a caption can never become a file, a program or a command.
std::optional<QUrl> webAddress(const QString& caption);

// Opens the caption `label` holds at this moment as a web address. `languageCode`
// chooses the language of a message when that cannot be done.
void LaunchWebLink(const QLabel& label, LinkLauncher& launcher, const QString& languageCode);
// Opens a new letter to the author with the desktop's mail program.
void LaunchMailLink(LinkLauncher& launcher, const QString& languageCode);
