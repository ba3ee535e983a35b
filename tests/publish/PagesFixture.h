#pragma once
// What the page tests share: a fixed date and locale, golden pages, and a check that a
// page is well-formed and escapes what it shows.

#include "publish/HTMLStuff.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

// Pages carry today's date in the user's format: the tests fix both.
struct FixedPageDate {
    FixedPageDate()
    {
        SetPageDate(QDate(2026, 1, 2));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~FixedPageDate()
    {
        SetPageDate(QDate());
        QLocale::setDefault(QLocale::system());
    }
};

// Compares a written page with its golden file byte for byte. With LX_UPDATE_GOLDEN set the
// golden file is written instead (then read it before committing it).
inline void expectGolden(const QString &pagePath, const QString &goldenName)
{
    const QByteArray page = fileBytes(pagePath);
    ASSERT_FALSE(page.isEmpty()) << pagePath.toStdString();
    const QString golden = QStringLiteral(LX_GOLDEN_DIR "/") + goldenName;
    if (qEnvironmentVariableIsSet("LX_UPDATE_GOLDEN")) {
        QFile f(golden);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(page);
        return;
    }
    EXPECT_EQ(page.toStdString(), fileBytes(golden).toStdString()) << goldenName.toStdString();
}

// Elements nest properly (void elements aside), no markup character stands in text, every
// "&" starts an entity, and the page is UTF-8 with CR LF line ends and no byte-order mark.
inline ::testing::AssertionResult isWellFormedPage(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return ::testing::AssertionFailure() << "byte-order mark";
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return ::testing::AssertionFailure() << "not UTF-8";
    if (text.count(QLatin1Char('\n')) != text.count(QStringLiteral("\r\n")))
        return ::testing::AssertionFailure() << "a line end other than CR LF";
    static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z0-9]+)((?:\\s+[A-Za-z-]+\\s*=\\s*\"[^\"<>]*\")*)\\s*>"));
    static const QRegularExpression entity(QStringLiteral("^&(amp|lt|gt|quot|#39|nbsp);"));
    static const QStringList voids{"br", "hr", "meta", "img"};
    QStringList open;
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar c = text.at(at);
        if (c == QLatin1Char('&')) {
            if (!entity.match(text.mid(at, 8)).hasMatch())
                return ::testing::AssertionFailure() << "bare & at " << at;
            ++at;
            continue;
        }
        if (c == QLatin1Char('>'))
            return ::testing::AssertionFailure() << "bare > at " << at;
        if (c != QLatin1Char('<')) {
            ++at;
            continue;
        }
        const QRegularExpressionMatch m = tag.match(text, at, QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            return ::testing::AssertionFailure() << "not a tag at " << at << ": " << text.mid(at, 40).toStdString();
        const QString name = m.captured(2).toLower();
        if (m.captured(1).isEmpty()) {
            if (!voids.contains(name))
                open << name;
        } else if (open.isEmpty() || open.takeLast() != name) {
            return ::testing::AssertionFailure() << "</" << name.toStdString() << "> out of order at " << at;
        }
        at = m.capturedEnd();
    }
    if (!open.isEmpty())
        return ::testing::AssertionFailure() << "left open: " << open.join(' ').toStdString();
    if (!text.contains(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">")))
        return ::testing::AssertionFailure() << "no charset";
    return ::testing::AssertionSuccess();
}

// The targets of the page's links and pictures, decoded.
inline QStringList pageLinks(const QByteArray &bytes)
{
    static const QRegularExpression href(QStringLiteral("(?:href|src) ?= ?\"([^\"]*)\""));
    QStringList out;
    for (auto it = href.globalMatch(QString::fromUtf8(bytes)); it.hasNext();)
        out << QUrl::fromPercentEncoding(it.next().captured(1).toUtf8());
    return out;
}
