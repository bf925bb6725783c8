#pragma once

#include <QQmlEngine>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

// Imports the NMEA reader script into a QML document the way the GPS page
// does, with the page's rounding settings, and calls it.
class NmeaParsingHarness
{
public:
    NmeaParsingHarness();
    ~NmeaParsingHarness();

    bool isReady() const { return m_page != nullptr; }
    QString errorString() const { return m_errorString; }

    // Either {"points": [...]} or the thrown error as {"name", "message",
    // "hasIncorrectLine", "incorrectLine"}.
    QVariantMap parse(const QString &text);
    // The number of points, or -1 on a parse error; nothing crosses over
    // into C++ but the count.
    int countPoints(const QString &text);
    bool trackHasPointsWithoutDateTime(const QVariantList &points);
    // Whether the engine's local time has two UTC offsets in the year 2023.
    bool localTimeHasDaylightSaving();

private:
    QVariant call(const char *function, const QVariant &argument);

    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_page;
    QString m_errorString;
};
