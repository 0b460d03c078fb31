#pragma once

#include <QStringList>

// The due times of the three announcement checks, as time texts ("13:15:00").
const QStringList& quarterHourList();  // H:00, H:15, H:30, H:45 of every hour: 96
const QStringList& halfHourList();     // H:00 and H:30 of every hour: 48
const QStringList& hourList();         // H:00 of every hour: 24
