#pragma once

#include <QString>

// The product's addresses, shown in the About and Rules windows.
namespace address {
inline const QString webSite = QStringLiteral("www.horalo.example.org");
inline const QString author = QStringLiteral("author@horalo.example.org");
// The two feedback addresses the rules give; neither is the author's link.
inline const QString authorSecond = QStringLiteral("team@horalo.example.org");
inline const QString feedback = QStringLiteral("feedback@horalo.example.org");
}  // namespace address

// The credit at the foot of both windows.
inline const QString kCredit = QStringLiteral("© 2000 the Horalo team, made by Horalo");
